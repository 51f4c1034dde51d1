#pragma once
// A window that was just shown is not on screen yet: the window system maps
// it, and Qt learns of that (and may paint it) only on a trip through the
// message loop. A long command that blocks right away (the update at the
// program's start, on its first request) would show nothing until then.

#include <QObject>
#include <QWidget>

#include <chrono>

namespace gui {

// Whether the window is mapped and Qt may paint it.
bool OnScreen(const QWidget& window);

// Dispatches what the window system sends until the window is on screen,
// for at most `bound`; true when it is. It runs none of the program's
// input: the window system's input waits for the next dispatch, posted
// input, the close box and timer ticks (but `passing`'s) are held, as in a
// long command's stop-only dispatch.
bool WaitUntilOnScreen(QWidget& window, std::chrono::milliseconds bound, const QObject* passing = nullptr);

} // namespace gui
