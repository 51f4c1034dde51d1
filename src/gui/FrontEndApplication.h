#pragma once
// Qt's application with a last guard: an error that a handler let escape
// anyway is shown by the program's application object instead of ending in
// Qt's event loop.

#include <QApplication>

namespace gui {

class FrontEndApplication : public QApplication {
    Q_OBJECT
public:
    FrontEndApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace gui
