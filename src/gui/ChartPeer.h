#pragma once
// The statistics chart: the chart model painted as bars, one per point of
// each active series in ascending X order, in their own colours, with the
// value above each bar while the series' marks are on, the value axis on
// the left and the X labels and axis title below. It paints only while it
// is shown.

#include "gui/Peer.h"

#include "platform/chart/Chart.h"

#include <vector>

namespace gui {

class ChartPeer : public ControlPeer {
public:
    explicit ChartPeer(TChart& chart);
    TChart& chart() const { return static_cast<TChart&>(control()); }

protected:
    void sync(TProperty property) override;
};

// The labelled values of the value axis from low to high: steps of 1, 2 or 5
// times a power of ten, and never a fraction when the bars are whole counts.
std::vector<double> ValueTicks(double low, double high, bool whole);

// Makes the front end show every chart with a ChartPeer.
void RegisterChartPeer();

} // namespace gui
