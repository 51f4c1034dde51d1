#include "gui/OneControlInput.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>

namespace gui {

namespace {

enum class Kind { Other, Pointer, Keyboard, Held };

Kind kindOf(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
    case QEvent::HoverMove:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::ToolTip:
        return Kind::Pointer;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::InputMethod:
        return Kind::Keyboard;
    case QEvent::Close:
        return Kind::Held;
    default:
        return Kind::Other;
    }
}

} // namespace

bool OneControlInput::forTarget(const QObject* receiver) const {
    if (!target_) return false;
    const auto* widget = qobject_cast<const QWidget*>(receiver);
    return widget && (widget == target_ || target_->isAncestorOf(widget));
}

bool OneControlInput::eventFilter(QObject* watched, QEvent* event) {
    // Every timer waits (the program's, a single shot's, Qt's own), except
    // the one that paints what was held back; a held tick comes again with
    // the timer's next interval.
    if (event->type() == QEvent::Timer) return watched != passing_;
    switch (kindOf(event->type())) {
    case Kind::Other: return false;
    case Kind::Held: return true;
    case Kind::Pointer:
        // A window hands pointer events on to the widget under the pointer,
        // where they are sorted out.
        if (!watched->isWidgetType()) return false;
        return !forTarget(watched);
    case Kind::Keyboard:
        // A key reaches the window first, then the focus: the first sight
        // of an Escape press is the stop, and it goes no further.
        if (onEscape_ && event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier && !key->isAutoRepeat()) {
                onEscape_();
                return true;
            }
        }
        // Keys go to the focus; they count only while the stop button has it.
        return !forTarget(QApplication::focusWidget());
    }
    return false;
}

namespace {

int onHold = 0;

// The input that comes again after the wait; the rest Qt works out anew.
bool keptForLater(QEvent::Type type) {
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

} // namespace

InputOnHold::InputOnHold() {
    ++onHold;
    qApp->installEventFilter(this);
}

InputOnHold::~InputOnHold() {
    qApp->removeEventFilter(this);
    --onHold;
    // In their order: they reach their receivers once the program takes
    // input again.
    for (Kept& k : kept_)
        if (k.receiver) QCoreApplication::postEvent(k.receiver.data(), k.event.release());
}

bool InputOnHold::Active() { return onHold > 0; }

bool InputOnHold::eventFilter(QObject* watched, QEvent* event) {
    // A held tick comes again with the timer's next interval.
    if (event->type() == QEvent::Timer) return true;
    if (kindOf(event->type()) == Kind::Other) return false;
    // Held where it is first seen (the window, before it hands a pointer
    // event on to a widget), so no widget sees a part of it.
    if (keptForLater(event->type())) kept_.push_back({QPointer<QObject>(watched), std::unique_ptr<QEvent>(event->clone())});
    return true;
}

} // namespace gui
