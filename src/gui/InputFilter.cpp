#include "gui/InputFilter.h"

#include "gui/Guard.h"
#include "gui/Peer.h"
#include "gui/ShortCut.h"

#include "platform/forms/ComCtrls.h"
#include "platform/forms/Form.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace gui {

namespace {

constexpr const char* kInputProperty = "gui.input";

bool windowFocusChange(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason ||
           reason == Qt::MenuBarFocusReason;
}

bool hasShortCut(const TMenuItem& item, const QKeySequence& keys) {
    for (int i = 0; i < item.Count(); ++i) {
        const TMenuItem* child = item.Items(i);
        if (!child->Visible() || !child->Enabled()) continue;
        if (child->ShortCut() && ToQKeySequence(child->ShortCut()) == keys) return true;
        if (hasShortCut(*child, keys)) return true;
    }
    return false;
}

// The window's menu shortcuts come before what a control would do with the
// keys (an edit's Ctrl+A, say), as in the library.
bool isMenuShortCut(TControl& control, const QKeyEvent& event) {
    TForm* form = GetParentForm(&control);
    if (!form || !form->Menu()) return false;
    return hasShortCut(form->Menu()->Items(), QKeySequence(event.keyCombination()));
}

// Where in a window a press landed: in a control's client area.
constexpr int kHitClient = 1;

bool isMouseEvent(QEvent::Type type) {
    return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
           type == QEvent::MouseButtonDblClick || type == QEvent::MouseMove;
}

} // namespace

TMouseButton ToMouseButton(Qt::MouseButton button) {
    switch (button) {
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return TMouseButton::mbLeft;
    }
}

TShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    TShiftState s = 0;
    if (modifiers & Qt::ShiftModifier) s |= ssShift;
    if (modifiers & Qt::AltModifier) s |= ssAlt;
    if (modifiers & Qt::ControlModifier) s |= ssCtrl;
    if (buttons & Qt::LeftButton) s |= ssLeft;
    if (buttons & Qt::RightButton) s |= ssRight;
    if (buttons & Qt::MiddleButton) s |= ssMiddle;
    return s;
}

InputFilter::InputFilter(ControlPeer& peer, QObject* parent) : QObject(parent), peer_(peer) {}

void InputFilter::watch(QWidget& source, unsigned input) {
    source.setProperty(kInputProperty, input);
    if (input & Input::Mouse) {
        source.setMouseTracking(true);
        // A widget that ignores the mouse (a label) would pass it on to the
        // widget under it, which would report it again.
        source.setAttribute(Qt::WA_NoMousePropagation);
    }
    source.installEventFilter(this);
}

QPoint InputFilter::toControl(QWidget& source, const QMouseEvent& event) const {
    QPoint p = event.position().toPoint();
    QWidget* target = peer_.widget();
    if (target && &source != target && target->isAncestorOf(&source)) p = source.mapTo(target, p);
    return p;
}

bool InputFilter::focusInside() const {
    QWidget* focus = QApplication::focusWidget();
    QWidget* target = peer_.widget();
    return focus && target && (focus == target || target->isAncestorOf(focus));
}

bool InputFilter::eventFilter(QObject* watched, QEvent* event) {
    if (Teardown::depth > 0 || forwarding_ || !peer_.component()) return false;
    auto* source = qobject_cast<QWidget*>(watched);
    if (!source) return false;
    unsigned input = source->property(kInputProperty).toUInt();
    TControl& control = peer_.control();
    QPointer<QWidget> alive(source);
    // A disabled control hears nothing of the mouse.
    if (isMouseEvent(event->type()) && (!source->isEnabled() || !control.Enabled())) return false;

    switch (event->type()) {
    case QEvent::ShortcutOverride:
        if (isMenuShortCut(control, static_cast<QKeyEvent&>(*event))) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::KeyPress: {
        // The arrow keys step the counter an edit shows, as its arrows do.
        auto& key = static_cast<QKeyEvent&>(*event);
        auto* edit = dynamic_cast<TEdit*>(&control);
        TUpDown* upDown = edit ? edit->AssociatedUpDown() : nullptr;
        if (upDown && key.modifiers() == Qt::NoModifier && (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down)) {
            TUDBtnType step = key.key() == Qt::Key_Up ? TUDBtnType::btNext : TUDBtnType::btPrev;
            Guarded([&] { upDown->ArrowClick(step); });
            return true;
        }
        break;
    }
    case QEvent::MouseButtonPress:
        if (input & Input::Mouse) {
            auto& e = static_cast<QMouseEvent&>(*event);
            QPoint p = toControl(*source, e);
            pressed_ = e.button() == Qt::LeftButton;
            // A press in a window that is not the active one activates it.
            // The answer of the handler is not followed: Qt activates the
            // window and delivers the press as it always does.
            if (!source->window()->isActiveWindow())
                Guarded([&] {
                    control.MouseActivate(ToMouseButton(e.button()), ToShiftState(e.modifiers(), e.buttons()), p.x(),
                                          p.y(), kHitClient);
                });
            if (!alive || !peer_.component()) break;
            Guarded([&] { control.MouseDown(ToMouseButton(e.button()), ToShiftState(e.modifiers(), e.buttons()), p.x(), p.y()); });
        }
        break;
    case QEvent::MouseButtonRelease:
        if (input & Input::Mouse) {
            auto& e = static_cast<QMouseEvent&>(*event);
            QPoint p = toControl(*source, e);
            bool click = (input & Input::Clicks) && pressed_ && e.button() == Qt::LeftButton &&
                         source->rect().contains(e.position().toPoint());
            pressed_ = false;
            // The library clicks before it reports the release.
            if (click) Guarded([&] { control.Click(); });
            bool forward = (input & Input::ClicksOnRelease) != 0;
            if (forward && alive) {
                forwarding_ = true;
                QCoreApplication::sendEvent(source, event);
                if (!alive) return true;
                forwarding_ = false;
            }
            if (alive && peer_.component())
                Guarded([&] {
                    control.MouseUp(ToMouseButton(e.button()), ToShiftState(e.modifiers(), e.buttons() | e.button()),
                                    p.x(), p.y());
                });
            // A forwarded release has been delivered already.
            return forward;
        }
        break;
    case QEvent::MouseButtonDblClick:
        // The second press of a double click: the double click (left button
        // only), then a press as well, but no click on its release.
        if (input & Input::Mouse) {
            auto& e = static_cast<QMouseEvent&>(*event);
            QPoint p = toControl(*source, e);
            pressed_ = false;
            if (e.button() == Qt::LeftButton) Guarded([&] { control.DblClick(); });
            if (alive && peer_.component())
                Guarded([&] {
                    control.MouseDown(ToMouseButton(e.button()), ToShiftState(e.modifiers(), e.buttons()), p.x(), p.y());
                });
        }
        break;
    case QEvent::MouseMove:
        if (input & Input::Mouse) {
            auto& e = static_cast<QMouseEvent&>(*event);
            QPoint p = toControl(*source, e);
            Guarded([&] { control.MouseMove(ToShiftState(e.modifiers(), e.buttons()), p.x(), p.y()); });
        }
        break;
    case QEvent::FocusIn:
        if ((input & Input::Focus) && !focused_ &&
            !windowFocusChange(static_cast<QFocusEvent&>(*event).reason())) {
            focused_ = true;
            if (auto* win = dynamic_cast<TWinControl*>(&control)) Guarded([&] { win->DoEnter(); });
        }
        break;
    case QEvent::FocusOut:
        if ((input & Input::Focus) && focused_ &&
            !windowFocusChange(static_cast<QFocusEvent&>(*event).reason()) && !focusInside()) {
            focused_ = false;
            if (auto* win = dynamic_cast<TWinControl*>(&control)) Guarded([&] { win->DoExit(); });
        }
        break;
    default: break;
    }
    return false;
}

} // namespace gui
