#pragma once
// An up-down counter: two arrows, the upper one counting up. Pressing an
// arrow reports the mouse press first, then steps (OnChanging, position,
// OnClick) and keeps stepping while held; the release comes last. The
// associated edit shows the position through the control itself.

#include "gui/Peer.h"

#include "platform/forms/ComCtrls.h"

#include <QTimer>
#include <QWidget>

namespace gui {

class UpDownPeer;

class UpDownWidget : public QWidget {
    Q_OBJECT
public:
    explicit UpDownWidget(UpDownPeer& peer);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    enum class Arrow { None, Up, Down };
    Arrow arrowAt(QPoint p) const;
    void repeat();

    UpDownPeer& peer_;
    Arrow pressed_ = Arrow::None;
    QTimer repeat_;
};

class UpDownPeer : public ControlPeer {
public:
    explicit UpDownPeer(TUpDown& upDown);
    TUpDown& upDown() const { return static_cast<TUpDown&>(control()); }

    void mousePressed(const QMouseEvent& event);
    void mouseReleased(const QMouseEvent& event);
    void mouseMoved(const QMouseEvent& event);
    void arrowClicked(bool up);
};

} // namespace gui
