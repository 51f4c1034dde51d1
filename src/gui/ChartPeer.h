#pragma once
// The statistics chart: the chart model painted as bars, one per point of
// each active series in ascending X order, in their own colours, with the
// value above each bar while the series' marks are on, the value axis on
// the left and the X labels and axis title below. It paints only while it
// is shown.

#include "gui/Peer.h"

#include "platform/chart/Chart.h"

namespace gui {

class ChartPeer : public ControlPeer {
public:
    explicit ChartPeer(TChart& chart);
    TChart& chart() const { return static_cast<TChart&>(control()); }

protected:
    void sync(TProperty property) override;
};

// Makes the front end show every chart with a ChartPeer.
void RegisterChartPeer();

} // namespace gui
