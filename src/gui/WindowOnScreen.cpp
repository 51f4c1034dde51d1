#include "gui/WindowOnScreen.h"

#include "gui/OneControlInput.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QPointer>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace gui {

bool OnScreen(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return window.isVisible() && handle && handle->isExposed();
}

bool WaitUntilOnScreen(QWidget& window, std::chrono::milliseconds bound, const QObject* passing) {
    QPointer<QWidget> shown(&window);
    if (OnScreen(window)) return true;
    if (!window.isVisible()) return false;
    OneControlInput held(nullptr, {}, passing);
    qApp->installEventFilter(&held);
    // Wakes the wait at its end when the window system sends nothing; its
    // own tick is held like the others.
    QTimer wake;
    wake.setSingleShot(true);
    wake.setTimerType(Qt::PreciseTimer);
    const QDeadlineTimer deadline(bound);
    while (shown && !OnScreen(*shown) && shown->isVisible() && !deadline.hasExpired()) {
        wake.start(static_cast<int>(std::max<qint64>(deadline.remainingTime(), 1)));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    }
    qApp->removeEventFilter(&held);
    return shown && OnScreen(*shown);
}

} // namespace gui
