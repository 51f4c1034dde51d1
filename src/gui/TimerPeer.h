#pragma once
// A timer runs on a QTimer while it is enabled; each tick fires OnTimer.
// Changing the interval or switching it on starts the count anew.

#include "gui/Peer.h"

#include "platform/forms/ComCtrls.h"

#include <QTimer>

namespace gui {

class TimerPeer : public Peer {
public:
    explicit TimerPeer(TTimer& timer);
    TTimer& timer() const { return static_cast<TTimer&>(*component()); }
    QTimer& qtTimer() { return qtTimer_; }
    void syncAll() override { sync(TProperty::Active); }

protected:
    void sync(TProperty property) override;

private:
    QTimer qtTimer_;
};

} // namespace gui
