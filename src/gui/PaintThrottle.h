#pragma once
// The painting of a long run. A calculation writes its status on every
// attempt and dispatches the pending messages each time; a back-test turns
// pages and fills the grid in every cycle; the update writes its status for
// every request. Showing each of those changes as it comes would cost the
// run several times its own work, so while a long command runs the window
// shows what changed at most once per interval:
// - the controls' changes wait in their peers' place and reach the widgets
//   all together, just before a paint;
// - windows are painted at most once per interval, while the messages are
//   dispatched and when the program asks for a paint;
// - the screen cursor takes the program's cursor at most once per interval.
// What is held back is shown by a timer once the interval is over, and all
// of it at the end of the command, so the last state is always shown.
// Input, timers and everything else are dispatched as they come.

#include "platform/forms/Component.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

namespace gui {

class Peer;

class PaintThrottle : public QObject {
public:
    explicit PaintThrottle(std::chrono::milliseconds interval);
    ~PaintThrottle() override;

    // Dispatches the pending messages, input included.
    void processMessages();
    // Dispatches what the window system has for the windows but its input
    // (which stays in its queue), no timer and no socket: areas uncovered or
    // restored are painted again, and so is what changed.
    void processWindowEvents();
    // Paints what changed in the visible windows, now or at the end of the
    // interval.
    void paint();
    // The window being shown at the program's start: the first paint a
    // long command asks for while it is not yet on screen waits for it (a
    // few hundred ms at most) and then shows everything, so the command's
    // state is on screen before the command blocks. nullptr: no window.
    void awaitOnScreen(QWidget* window) { comingUp_ = window; }
    // The timer that makes the paints held back.
    const QObject* timer() const { return &timer_; }

    // A long command starts or ends; they nest.
    void beginLongCommand();
    void endLongCommand();
    // A modal window comes up inside a long command: everything held is
    // shown first, and the window's changes are shown as they come until
    // it is gone.
    class Modal {
    public:
        explicit Modal(PaintThrottle& throttle);
        ~Modal();
        Modal(const Modal&) = delete;
        Modal& operator=(const Modal&) = delete;

    private:
        PaintThrottle& throttle_;
    };

    // The throttle of the long command that runs, if one does.
    static PaintThrottle* Holding();
    // Takes a control's change for later; false when it is to be shown now.
    bool holdChange(Peer& peer, TProperty property);
    // The peer goes: nothing of it is held any longer.
    void forget(Peer& peer);

    // The program's screen cursor; nullopt for the default one.
    void setCursor(std::optional<QCursor> cursor);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool recent() const;
    void hold(QWidget* window);
    void flush();
    void showChanges();
    void showCursor();

    std::chrono::milliseconds interval_;
    QElapsedTimer sincePaint_;
    QTimer timer_;
    int pumping_ = 0;
    bool flushing_ = false;
    bool flushAll_ = false;
    std::vector<QPointer<QWidget>> held_;
    QPointer<QWidget> comingUp_;

    int longCommands_ = 0;
    int modal_ = 0;
    bool showing_ = false;
    std::vector<Peer*> changes_;  // in the order of their first change

    std::optional<QCursor> cursor_;
    bool cursorShown_ = false;  // whether the shown cursor is an override
    std::optional<QCursor> shownCursor_;
    bool cursorPending_ = false;
    QElapsedTimer sinceCursor_;
};

} // namespace gui
