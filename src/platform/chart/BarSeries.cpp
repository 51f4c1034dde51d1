#include "platform/chart/BarSeries.h"

#include "platform/chart/Chart.h"

#include <algorithm>

namespace {
// Room for the usual fillings (a bar per number, star or run) without
// growing while a chart is redrawn again and again.
constexpr size_t ReservedPoints = 64;
}

void TSeriesMarks::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    series_.changed(TProperty::Other);
}

void TSeriesMarks::SetFrameVisible(bool v) {
    if (v == frameVisible_) return;
    frameVisible_ = v;
    series_.changed(TProperty::Other);
}

TBarSeries::TBarSeries(TChart& chart) : TComponent(&chart), chart_(chart) {
    XValues_.values_.reserve(ReservedPoints);
    YValues_.values_.reserve(ReservedPoints);
    labels_.reserve(ReservedPoints);
    colors_.reserve(ReservedPoints);
}

TBarSeries::~TBarSeries() { chart_.seriesDestroyed(this); }

void TBarSeries::changed(TProperty property) {
    chart_.notify(property);
    // An automatic axis always shows the range of the bars as they are.
    if (property == TProperty::Items || property == TProperty::Active) chart_.AdjustAxes();
}

void TBarSeries::SetActive(bool v) {
    if (v == active_) return;
    active_ = v;
    changed(TProperty::Active);
}

int TBarSeries::AddXY(double x, double y, std::string_view label, TColor color) {
    auto& xs = XValues_.values_;
    size_t index = xs.size();
    if (!xs.empty() && x < xs.back()) index = static_cast<size_t>(std::upper_bound(xs.begin(), xs.end(), x) - xs.begin());
    auto at = [index](auto& v) { return v.begin() + static_cast<std::ptrdiff_t>(index); };
    xs.insert(at(xs), x);
    YValues_.values_.insert(at(YValues_.values_), y);
    labels_.emplace(at(labels_), label);
    colors_.insert(at(colors_), color);
    changed(TProperty::Items);
    return static_cast<int>(index);
}

void TBarSeries::Clear() {
    if (Count() == 0) return;
    XValues_.values_.clear();
    YValues_.values_.clear();
    labels_.clear();
    colors_.clear();
    changed(TProperty::Items);
}

const std::string& TBarSeries::Label(int index) const {
    TChartValueList::checkIndex(index, Count());
    return labels_[static_cast<size_t>(index)];
}

TColor TBarSeries::ValueColor(int index) const {
    TChartValueList::checkIndex(index, Count());
    TColor c = colors_[static_cast<size_t>(index)];
    return c == clDefault ? seriesColor_ : c;
}

void TBarSeries::SetSeriesColor(TColor c) {
    if (c == seriesColor_) return;
    seriesColor_ = c;
    changed(TProperty::Other);
}
