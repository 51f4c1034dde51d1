#include "gui/InputFilter.h"

#include "gui/Guard.h"
#include "gui/Peer.h"

#include <QApplication>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace gui {

namespace {

constexpr const char* kInputProperty = "gui.input";

bool windowFocusChange(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
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
    if (input & Input::Mouse) source.setMouseTracking(true);
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

    switch (event->type()) {
    case QEvent::MouseButtonPress:
        if (input & Input::Mouse) {
            auto& e = static_cast<QMouseEvent&>(*event);
            QPoint p = toControl(*source, e);
            pressed_ = e.button() == Qt::LeftButton;
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
        if (input & Input::Mouse) Guarded([&] { control.DblClick(); });
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
