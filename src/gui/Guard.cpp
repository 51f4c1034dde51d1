#include "gui/Guard.h"

#include "platform/forms/Application.h"

#include <QtGlobal>

namespace gui {

void Guarded(const std::function<void()>& handler) {
    if (Application) {
        Application->Invoke(handler);
        return;
    }
    try {
        handler();
    } catch (const std::exception& e) {
        qWarning("%s", e.what());
    } catch (...) {
        qWarning("unknown error in an event handler");
    }
}

} // namespace gui
