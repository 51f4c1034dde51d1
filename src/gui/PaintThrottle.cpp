#include "gui/PaintThrottle.h"

#include <QApplication>
#include <QEvent>

#include <algorithm>

namespace gui {

PaintThrottle::PaintThrottle(std::chrono::milliseconds interval) : interval_(interval) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { flush(); });
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

PaintThrottle::~PaintThrottle() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool PaintThrottle::recent() const {
    return sincePaint_.isValid() && sincePaint_.elapsed() < interval_.count();
}

void PaintThrottle::processMessages() {
    ++pumping_;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{pumping_};
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void PaintThrottle::paint() {
    flushAll_ = true;
    if (recent()) {
        hold(nullptr);
        return;
    }
    flush();
}

// A window's pending paint reaches it as an update request; a request held
// back leaves the window's changes marked, and the window asks no more until
// it has painted, so a held window is always flushed later.
bool PaintThrottle::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::UpdateRequest || flushing_ || !watched->isWidgetType()) return false;
    if (pumping_ > 0 && recent()) {
        hold(static_cast<QWidget*>(watched));
        return true;
    }
    sincePaint_.restart();
    return false;
}

void PaintThrottle::hold(QWidget* window) {
    if (window && std::find(held_.begin(), held_.end(), window) == held_.end()) held_.emplace_back(window);
    if (timer_.isActive()) return;
    qint64 left = interval_.count() - (sincePaint_.isValid() ? sincePaint_.elapsed() : interval_.count());
    timer_.start(static_cast<int>(std::max<qint64>(left, 0)));
}

void PaintThrottle::flush() {
    timer_.stop();
    std::vector<QPointer<QWidget>> windows;
    windows.swap(held_);
    if (flushAll_)
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && std::find(windows.begin(), windows.end(), w) == windows.end()) windows.emplace_back(w);
    flushAll_ = false;
    sincePaint_.restart();
    flushing_ = true;
    for (const QPointer<QWidget>& w : windows) {
        if (!w) continue;
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(w.data(), &request);
    }
    flushing_ = false;
}

} // namespace gui
