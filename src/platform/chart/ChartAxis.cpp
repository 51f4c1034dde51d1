#include "platform/chart/ChartAxis.h"

#include "platform/chart/Chart.h"

#include <algorithm>

void TChartAxisTitle::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    chart_.notify(TProperty::Other);
}

void TChartAxis::SetAutomatic(bool v) {
    if (v == automatic_) return;
    automatic_ = v;
    chart_.notify(TProperty::Range);
    if (automatic_) setRange(AutomaticRange());
}

void TChartAxis::SetMinimum(double v) {
    if (v > range_.Maximum) throw EChartException("Das Achsenminimum darf nicht größer als das Achsenmaximum sein");
    setRange({v, range_.Maximum});
}

void TChartAxis::SetMaximum(double v) {
    if (v < range_.Minimum) throw EChartException("Das Achsenmaximum darf nicht kleiner als das Achsenminimum sein");
    setRange({range_.Minimum, v});
}

void TChartAxis::setRange(TAxisRange range) {
    if (range == range_) return;
    range_ = range;
    chart_.notify(TProperty::Range);
}

TAxisRange TChartAxis::AutomaticRange() const {
    bool any = false;
    TAxisRange r;
    for (const TBarSeries* s : chart_.SeriesList()) {
        if (!s->Active() || s->Count() == 0) continue;
        const TChartValueList& values = direction_ == TDirection::Vertical ? s->YValues() : s->XValues();
        double lo = values.MinValue(), hi = values.MaxValue();
        if (direction_ == TDirection::Vertical) {
            lo = std::min(lo, 0.0);
            hi = std::max(hi, 0.0);
        }
        r = any ? TAxisRange{std::min(r.Minimum, lo), std::max(r.Maximum, hi)} : TAxisRange{lo, hi};
        any = true;
    }
    if (any) return r;
    // A value axis without bars stands on 0; the X axis keeps its range.
    return direction_ == TDirection::Vertical ? TAxisRange{0, 0} : range_;
}
