#include "gui/TimerPeer.h"

#include "gui/Guard.h"

namespace gui {

TimerPeer::TimerPeer(TTimer& timer) : Peer(timer) {
    QObject::connect(&qtTimer_, &QTimer::timeout, [this] {
        if (component()) Guarded([this] { this->timer().Fire(); });
    });
}

void TimerPeer::sync(TProperty property) {
    if (property != TProperty::Active && property != TProperty::Interval) return;
    const TTimer& t = timer();
    if (t.Enabled() && t.Interval() > 0) qtTimer_.start(t.Interval());
    else qtTimer_.stop();
}

} // namespace gui
