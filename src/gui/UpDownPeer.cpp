#include "gui/UpDownPeer.h"

#include "gui/Guard.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace gui {

namespace {

constexpr int kRepeatDelay = 400;
constexpr int kRepeatInterval = 100;

} // namespace

UpDownWidget::UpDownWidget(UpDownPeer& peer) : peer_(peer) {
    setMouseTracking(true);
    repeat_.setSingleShot(false);
    connect(&repeat_, &QTimer::timeout, this, &UpDownWidget::repeat);
}

UpDownWidget::Arrow UpDownWidget::arrowAt(QPoint p) const {
    if (!rect().contains(p)) return Arrow::None;
    return p.y() < height() / 2 ? Arrow::Up : Arrow::Down;
}

void UpDownWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    int half = height() / 2;
    const struct {
        QRect rect;
        Arrow arrow;
        QStyle::PrimitiveElement indicator;
    } parts[] = {{QRect(0, 0, width(), half), Arrow::Up, QStyle::PE_IndicatorArrowUp},
                 {QRect(0, half, width(), height() - half), Arrow::Down, QStyle::PE_IndicatorArrowDown}};
    for (const auto& part : parts) {
        QStyleOptionButton option;
        option.initFrom(this);
        option.rect = part.rect;
        if (pressed_ == part.arrow) option.state |= QStyle::State_Sunken;
        else option.state |= QStyle::State_Raised;
        style()->drawPrimitive(QStyle::PE_PanelButtonBevel, &option, &painter, this);
        option.rect = part.rect.adjusted(2, 1, -2, -1);
        style()->drawPrimitive(part.indicator, &option, &painter, this);
    }
}

void UpDownWidget::mousePressEvent(QMouseEvent* event) {
    QPointer<UpDownWidget> alive(this);
    peer_.mousePressed(*event);
    if (!alive || event->button() != Qt::LeftButton) return;
    pressed_ = arrowAt(event->position().toPoint());
    if (pressed_ == Arrow::None) return;
    update();
    repeat_.start(kRepeatDelay);
    peer_.arrowClicked(pressed_ == Arrow::Up);
}

void UpDownWidget::repeat() {
    // A release that went to a dialog opened meanwhile ends the repeat too.
    if (!(QGuiApplication::mouseButtons() & Qt::LeftButton)) {
        repeat_.stop();
        pressed_ = Arrow::None;
        update();
        return;
    }
    repeat_.setInterval(kRepeatInterval);
    // Held over another part, the arrow waits.
    if (pressed_ != Arrow::None && pressed_ == arrowAt(mapFromGlobal(QCursor::pos())))
        peer_.arrowClicked(pressed_ == Arrow::Up);
}

void UpDownWidget::mouseReleaseEvent(QMouseEvent* event) {
    repeat_.stop();
    if (pressed_ != Arrow::None) {
        pressed_ = Arrow::None;
        update();
    }
    peer_.mouseReleased(*event);
}

void UpDownWidget::mouseMoveEvent(QMouseEvent* event) { peer_.mouseMoved(*event); }

UpDownPeer::UpDownPeer(TUpDown& upDown) : ControlPeer(upDown, new UpDownWidget(*this)) {}

void UpDownPeer::mousePressed(const QMouseEvent& e) {
    if (!component()) return;
    QPoint p = e.position().toPoint();
    Guarded([&] {
        upDown().MouseDown(ToMouseButton(e.button()), ToShiftState(e.modifiers(), e.buttons()), p.x(), p.y());
    });
}

void UpDownPeer::mouseReleased(const QMouseEvent& e) {
    if (!component()) return;
    QPoint p = e.position().toPoint();
    Guarded([&] {
        upDown().MouseUp(ToMouseButton(e.button()), ToShiftState(e.modifiers(), e.buttons() | e.button()), p.x(),
                         p.y());
    });
}

void UpDownPeer::mouseMoved(const QMouseEvent& e) {
    if (!component()) return;
    QPoint p = e.position().toPoint();
    Guarded([&] { upDown().MouseMove(ToShiftState(e.modifiers(), e.buttons()), p.x(), p.y()); });
}

void UpDownPeer::arrowClicked(bool up) {
    if (!component()) return;
    Guarded([&] { upDown().ArrowClick(up ? TUDBtnType::btNext : TUDBtnType::btPrev); });
}

} // namespace gui
