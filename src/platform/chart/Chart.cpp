#include "platform/chart/Chart.h"

#include <algorithm>

TChart::TChart(TComponent* owner) : TWinControl(owner) {}

TChart::~TChart() {
    // The view hears of the chart's end first and of no change after it;
    // then the series go, while the list they leave is still there.
    if (TViewPeer* peer = Peer()) {
        SetPeer(nullptr);
        peer->ComponentDestroyed(*this);
    }
    while (!series_.empty()) delete series_.back();
}

TBarSeries* TChart::AddSeries(const std::string& name) {
    auto* series = new TBarSeries(*this);
    series->SetName(name);
    series_.push_back(series);
    notify(TProperty::Items);
    return series;
}

void TChart::seriesDestroyed(TBarSeries* series) {
    series_.erase(std::remove(series_.begin(), series_.end(), series), series_.end());
    notify(TProperty::Items);
}

void TChart::AdjustAxes() {
    for (TChartAxis* axis : {&leftAxis_, &bottomAxis_})
        if (axis->Automatic()) axis->setRange(axis->AutomaticRange());
}

void TChart::setFlag(bool& flag, bool v) {
    if (v == flag) return;
    flag = v;
    notify(TProperty::Other);
}

void TChart::SetLegendVisible(bool v) { setFlag(legendVisible_, v); }
void TChart::SetTitleVisible(bool v) { setFlag(titleVisible_, v); }
void TChart::SetView3D(bool v) { setFlag(view3D_, v); }
