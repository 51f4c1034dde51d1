#pragma once
// Every path from Qt into the program's handlers goes through here: an
// error that leaves a handler is shown by the application, and Qt's event
// loop never sees an exception.

#include <functional>

namespace gui {

void Guarded(const std::function<void()>& handler);

} // namespace gui
