#pragma once
// Passes the user's mouse and focus input from a peer's widgets to its
// control: the mouse events every control has, a click made of press and
// release for controls without a click of their own, and OnEnter / OnExit
// when the keyboard focus moves into or out of the control. Focus that
// leaves with the window (a dialog opens, a menu drops down) has not left
// the control.

#include "platform/forms/Types.h"

#include <QObject>
#include <QPoint>

#include <functional>

class QWidget;
class QMouseEvent;

namespace gui {

class ControlPeer;

// What a peer passes on from a widget: mouse buttons and moves, a click made
// of press and release (for controls without a click of their own), the
// keyboard focus entering and leaving. A widget that clicks by itself on
// the release (a button, a check box) has its click run before the release
// is reported, in the library's order.
namespace Input {
enum : unsigned { Mouse = 1, Clicks = 2, Focus = 4, ClicksOnRelease = 8 };
}

TMouseButton ToMouseButton(Qt::MouseButton button);
// Keys and mouse buttons held, as the library's mouse events report them.
TShiftState ToShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

// Runs a function on every event of the objects it watches before they
// get it; for peers that must act before the InputFilter reports.
class EventHook : public QObject {
    Q_OBJECT
public:
    EventHook(std::function<void(QObject&, QEvent&)> hook, QObject* parent)
        : QObject(parent), hook_(std::move(hook)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        hook_(*watched, *event);
        return false;
    }

private:
    std::function<void(QObject&, QEvent&)> hook_;
};

class InputFilter : public QObject {
    Q_OBJECT
public:
    InputFilter(ControlPeer& peer, QObject* parent);
    void watch(QWidget& source, unsigned input);

    // While widgets are torn down their events reach no handler.
    struct Teardown {
        Teardown() { ++depth; }
        ~Teardown() { --depth; }
        Teardown(const Teardown&) = delete;
        Teardown& operator=(const Teardown&) = delete;
        static inline int depth = 0;
    };

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPoint toControl(QWidget& source, const QMouseEvent& event) const;
    bool focusInside() const;

    ControlPeer& peer_;
    bool pressed_ = false;
    bool focused_ = false;
    bool forwarding_ = false;
};

} // namespace gui
