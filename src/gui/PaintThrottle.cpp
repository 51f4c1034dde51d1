#include "gui/PaintThrottle.h"

#include "gui/Peer.h"
#include "gui/WindowOnScreen.h"

#include "platform/forms/Form.h"

#include <QApplication>
#include <QEvent>

#include <algorithm>
#include <utility>

namespace gui {

namespace {

PaintThrottle* holding = nullptr;

// How long a paint waits for a window just shown to come on screen.
constexpr std::chrono::milliseconds kOnScreenWait{500};

// The changes that may wait, in the order a peer shows them: the text
// before the lines and items, the items before the one selected, the place
// before the visibility, as a peer brings its whole view up to date.
constexpr TProperty kHeldInOrder[] = {
    TProperty::Font,     TProperty::Color,      TProperty::Caption,  TProperty::Text,     TProperty::Items,
    TProperty::ItemIndex, TProperty::Checked,   TProperty::Range,    TProperty::Position, TProperty::Lines,
    TProperty::Date,     TProperty::ActivePage, TProperty::TabVisible, TProperty::Panels, TProperty::Cells,
    TProperty::ReadOnly, TProperty::TabWidth,   TProperty::Picture,  TProperty::Other,    TProperty::Bounds,
    TProperty::Align,    TProperty::Enabled,    TProperty::Hint,     TProperty::Cursor,   TProperty::Visible,
};

static_assert(static_cast<unsigned>(TProperty::Components) < 64, "a peer keeps its held changes in 64 bits");

constexpr std::uint64_t bit(TProperty p) { return std::uint64_t{1} << static_cast<unsigned>(p); }

constexpr std::uint64_t kHeld = [] {
    std::uint64_t mask = 0;
    for (TProperty p : kHeldInOrder) mask |= bit(p);
    return mask;
}();

} // namespace

PaintThrottle::PaintThrottle(std::chrono::milliseconds interval) : interval_(interval) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { flush(); });
    if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
}

PaintThrottle::~PaintThrottle() {
    if (holding == this) holding = nullptr;
    if (cursorShown_) QApplication::restoreOverrideCursor();
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

void PaintThrottle::processWindowEvents() {
    ++pumping_;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{pumping_};
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::ExcludeSocketNotifiers |
                                    QEventLoop::X11ExcludeTimers);
}

void PaintThrottle::paint() {
    flushAll_ = true;
    if (comingUp_ && longCommands_ > 0) {
        // Waits once: a window the window system keeps off screen costs no
        // more than the one wait.
        QPointer<QWidget> window = std::exchange(comingUp_, nullptr);
        if (!OnScreen(*window) && window->isVisible()) {
            WaitUntilOnScreen(*window, kOnScreenWait, &timer_);
            // The paints on its coming up may be recent; the state asked
            // for is shown now all the same.
            flush();
            return;
        }
    }
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
    // The paint about to be made shows the changes held so far.
    showChanges();
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
    if (!changes_.empty()) {
        showChanges();
        flushAll_ = true;
    }
    if (cursorPending_) showCursor();
    std::vector<QPointer<QWidget>> windows;
    windows.swap(held_);
    if (flushAll_)
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && std::find(windows.begin(), windows.end(), w) == windows.end()) windows.emplace_back(w);
    flushAll_ = false;
    if (windows.empty()) return;
    sincePaint_.restart();
    flushing_ = true;
    for (const QPointer<QWidget>& w : windows) {
        if (!w) continue;
        QEvent request(QEvent::UpdateRequest);
        QCoreApplication::sendEvent(w.data(), &request);
    }
    flushing_ = false;
}

void PaintThrottle::beginLongCommand() {
    if (longCommands_++ == 0) holding = this;
}

void PaintThrottle::endLongCommand() {
    if (longCommands_ == 0) return;
    if (--longCommands_ > 0) return;
    // Everything the command left reaches the widgets now and is painted
    // now or by the timer: the command's last state is always shown.
    showChanges();
    if (holding == this) holding = nullptr;
    paint();
}

PaintThrottle::Modal::Modal(PaintThrottle& throttle) : throttle_(throttle) {
    throttle_.showChanges();
    if (throttle_.cursorPending_) throttle_.showCursor();
    ++throttle_.modal_;
}

PaintThrottle::Modal::~Modal() { --throttle_.modal_; }

PaintThrottle* PaintThrottle::Holding() { return holding; }

bool PaintThrottle::holdChange(Peer& peer, TProperty property) {
    if (longCommands_ == 0 || modal_ > 0 || showing_) return false;
    if ((kHeld & bit(property)) == 0) return false;
    // Only the controls wait; a window shows, hides and ends a modal run at
    // once, and timers and menus are no paint.
    if (!dynamic_cast<ControlPeer*>(&peer) || dynamic_cast<TForm*>(peer.component())) return false;
    if (peer.heldChanges_ == 0) changes_.push_back(&peer);
    peer.heldChanges_ |= bit(property);
    if (!timer_.isActive()) hold(nullptr);
    return true;
}

void PaintThrottle::forget(Peer& peer) {
    peer.heldChanges_ = 0;
    if (showing_) std::replace(changes_.begin(), changes_.end(), &peer, static_cast<Peer*>(nullptr));
    else changes_.erase(std::remove(changes_.begin(), changes_.end(), &peer), changes_.end());
}

void PaintThrottle::showChanges() {
    if (showing_ || changes_.empty()) return;
    showing_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{showing_};
    // What a peer changes while it shows is shown at once (showing_); a
    // peer that goes meanwhile takes itself off the list.
    for (std::size_t i = 0; i < changes_.size(); ++i) {
        Peer* peer = changes_[i];
        if (!peer) continue;
        const std::uint64_t properties = peer->heldChanges_;
        peer->heldChanges_ = 0;
        for (TProperty p : kHeldInOrder) {
            if ((properties & bit(p)) == 0) continue;
            if (changes_[i] != peer) break;  // the peer went
            peer->show(p);
        }
    }
    changes_.clear();
}

void PaintThrottle::setCursor(std::optional<QCursor> cursor) {
    cursor_ = std::move(cursor);
    // Two changes in a row of the same cursor are one.
    const bool same = cursor_.has_value() == shownCursor_.has_value() &&
                      (!cursor_ || cursor_->shape() == shownCursor_->shape());
    if (same && !cursorPending_) return;
    if (same) {
        cursorPending_ = false;
        return;
    }
    if (sinceCursor_.isValid() && sinceCursor_.elapsed() < interval_.count()) {
        cursorPending_ = true;
        if (!timer_.isActive()) timer_.start(static_cast<int>(interval_.count() - sinceCursor_.elapsed()));
        return;
    }
    showCursor();
}

void PaintThrottle::showCursor() {
    cursorPending_ = false;
    sinceCursor_.restart();
    shownCursor_ = cursor_;
    if (!cursor_) {
        if (cursorShown_) QApplication::restoreOverrideCursor();
        cursorShown_ = false;
        return;
    }
    if (cursorShown_) QApplication::changeOverrideCursor(*cursor_);
    else QApplication::setOverrideCursor(*cursor_);
    cursorShown_ = true;
}

} // namespace gui
