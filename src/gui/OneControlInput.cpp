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

} // namespace gui
