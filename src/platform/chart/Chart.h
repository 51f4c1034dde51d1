#pragma once
// A bar chart control: series drawn in the order they were added, a left
// (value) axis and a bottom (X) axis, and the chart's own display flags.
// It holds the data only; the front end's peer paints it, and every change
// reaches the peer as one PropertyChanged call on the chart: Items for a
// series' points, Active for a series switched on or off, Range for an
// axis range or its Automatic flag, Other for the rest.

#include "platform/chart/BarSeries.h"
#include "platform/chart/ChartAxis.h"
#include "platform/forms/Control.h"

#include <string>
#include <vector>

class TChart : public TWinControl {
public:
    explicit TChart(TComponent* owner);
    ~TChart() override;
    const char* ClassName() const override { return "TChart"; }

    // A new, empty, active series owned by the chart, drawn after the
    // series added before it.
    TBarSeries* AddSeries(const std::string& name);
    int SeriesCount() const { return static_cast<int>(series_.size()); }
    TBarSeries* Series(int index) const { return series_.at(static_cast<size_t>(index)); }
    const std::vector<TBarSeries*>& SeriesList() const { return series_; }

    TChartAxis& LeftAxis() { return leftAxis_; }
    const TChartAxis& LeftAxis() const { return leftAxis_; }
    TChartAxis& BottomAxis() { return bottomAxis_; }
    const TChartAxis& BottomAxis() const { return bottomAxis_; }

    // Each automatic axis takes its AutomaticRange(), as a paint shows it;
    // the series call it whenever their bars change.
    void AdjustAxes();

    bool LegendVisible() const { return legendVisible_; }
    void SetLegendVisible(bool v);
    bool TitleVisible() const { return titleVisible_; }
    void SetTitleVisible(bool v);
    bool View3D() const { return view3D_; }
    void SetView3D(bool v);

private:
    friend class TBarSeries;
    friend class TChartAxis;
    friend class TChartAxisTitle;
    void notify(TProperty property) { Changed(property); }
    void seriesDestroyed(TBarSeries* series);
    void setFlag(bool& flag, bool v);

    std::vector<TBarSeries*> series_;
    TChartAxis leftAxis_{*this, TChartAxis::TDirection::Vertical};
    TChartAxis bottomAxis_{*this, TChartAxis::TDirection::Horizontal};
    bool legendVisible_ = true;
    bool titleVisible_ = true;
    bool view3D_ = true;
};
