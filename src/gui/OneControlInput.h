#pragma once
// While installed on the application, lets only the input meant for one
// widget through (a long command's stop button) and holds back every other
// widget's input, the window's close box, shortcuts and timer ticks. Paint
// and layout events pass, so the windows keep showing what changes.

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace gui {

class OneControlInput : public QObject {
public:
    explicit OneControlInput(QWidget* target) : target_(target) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool forTarget(const QObject* receiver) const;

    QPointer<QWidget> target_;
};

} // namespace gui
