#pragma once
// The painting of a long run. A calculation writes its status on every
// attempt and dispatches the pending messages each time; painting every one
// of those changes would cost the run several times its own work. While the
// messages are dispatched, and when the program asks for a paint, windows
// are painted at most once per interval; a paint held back is made by a
// timer once the interval is over, so the last state of a run is always
// shown. Input, timers and everything else are dispatched as they come.

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <vector>

namespace gui {

class PaintThrottle : public QObject {
public:
    explicit PaintThrottle(std::chrono::milliseconds interval);
    ~PaintThrottle() override;

    // Dispatches the pending messages, input included.
    void processMessages();
    // Paints what changed in the visible windows, now or at the end of the
    // interval.
    void paint();
    // The timer that makes the paints held back.
    const QObject* timer() const { return &timer_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool recent() const;
    void hold(QWidget* window);
    void flush();

    std::chrono::milliseconds interval_;
    QElapsedTimer sincePaint_;
    QTimer timer_;
    int pumping_ = 0;
    bool flushing_ = false;
    bool flushAll_ = false;
    std::vector<QPointer<QWidget>> held_;
};

} // namespace gui
