#pragma once
// A bar series of a chart: points with an X value, a Y value (the bar's
// height from 0), a label and a colour, kept in ascending X order, and the
// value labels ("marks") drawn on the bars.

#include "platform/chart/ChartValueList.h"
#include "platform/forms/Component.h"
#include "platform/forms/Types.h"

#include <string>
#include <string_view>
#include <vector>

class TChart;
class TBarSeries;

// The value labels of a series' bars.
class TSeriesMarks {
public:
    TSeriesMarks(const TSeriesMarks&) = delete;
    TSeriesMarks& operator=(const TSeriesMarks&) = delete;

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    // Whether each label is drawn in a box.
    bool FrameVisible() const { return frameVisible_; }
    void SetFrameVisible(bool v);

private:
    friend class TBarSeries;
    explicit TSeriesMarks(TBarSeries& series) : series_(series) {}
    TBarSeries& series_;
    bool visible_ = false;
    bool frameVisible_ = true;
};

// Created and owned by its chart (TChart::AddSeries).
class TBarSeries : public TComponent {
public:
    ~TBarSeries() override;
    const char* ClassName() const override { return "TBarSeries"; }

    TChart& ParentChart() const { return chart_; }

    // An inactive series keeps its points but is neither drawn nor counted
    // in the automatic axis ranges.
    bool Active() const { return active_; }
    void SetActive(bool v);

    // Adds a point and returns its value index. Points stay in ascending X
    // order: a point goes after every point whose X is not greater. A colour
    // of clDefault draws the bar in the series' colour.
    int AddXY(double x, double y, std::string_view label = {}, TColor color = clDefault);
    // Removes every point; the storage is kept for the next filling.
    void Clear();
    int Count() const { return YValues_.Count(); }

    const TChartValueList& XValues() const { return XValues_; }
    const TChartValueList& YValues() const { return YValues_; }
    // A point's label and the colour its bar is drawn in; an index outside
    // 0..Count()-1 raises EChartException.
    const std::string& Label(int index) const;
    TColor ValueColor(int index) const;

    TColor SeriesColor() const { return seriesColor_; }
    void SetSeriesColor(TColor c);

    TSeriesMarks& Marks() { return marks_; }
    const TSeriesMarks& Marks() const { return marks_; }

private:
    friend class TChart;
    friend class TSeriesMarks;
    explicit TBarSeries(TChart& chart);
    void changed(TProperty property);

    TChart& chart_;
    bool active_ = true;
    TColor seriesColor_ = clRed;
    TSeriesMarks marks_{*this};
    TChartValueList XValues_;
    TChartValueList YValues_;
    std::vector<std::string> labels_;
    std::vector<TColor> colors_;  // as added; clDefault follows SeriesColor
};
