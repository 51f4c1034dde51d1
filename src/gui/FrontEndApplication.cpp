#include "gui/FrontEndApplication.h"

#include "platform/forms/Application.h"

namespace gui {

FrontEndApplication::FrontEndApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool FrontEndApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        if (Application) Application->HandleException(e);
        else qWarning("%s", e.what());
    } catch (...) {
        if (Application) Application->HandleException(std::runtime_error("Unbekannter Fehler"));
        else qWarning("unknown error in an event handler");
    }
    return false;
}

} // namespace gui
