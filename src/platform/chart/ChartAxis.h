#pragma once
// An axis of a chart: its range, whether a paint scales it to the values
// of the active series, and its title.
//
// Minimum and Maximum are what was last written or, for an automatic axis,
// the range the chart would show: recomputed when the axis is made automatic
// and whenever the bars change (0 .. 0 for a value axis without bars).

#include "platform/forms/Component.h"

#include <string>

class TChart;

struct TAxisRange {
    double Minimum = 0;
    double Maximum = 0;
    bool operator==(const TAxisRange&) const = default;
};

class TChartAxisTitle {
public:
    TChartAxisTitle(const TChartAxisTitle&) = delete;
    TChartAxisTitle& operator=(const TChartAxisTitle&) = delete;

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption);

private:
    friend class TChartAxis;
    explicit TChartAxisTitle(TChart& chart) : chart_(chart) {}
    TChart& chart_;
    std::string caption_;
};

class TChartAxis {
public:
    enum class TDirection { Horizontal, Vertical };

    TChartAxis(const TChartAxis&) = delete;
    TChartAxis& operator=(const TChartAxis&) = delete;

    TDirection Direction() const { return direction_; }

    bool Automatic() const { return automatic_; }
    void SetAutomatic(bool v);

    double Minimum() const { return range_.Minimum; }
    double Maximum() const { return range_.Maximum; }
    TAxisRange Range() const { return range_; }
    // A minimum above the current maximum, or a maximum below the current
    // minimum, is refused with EChartException and changes nothing; so a
    // range is moved by writing a low minimum first, then the maximum.
    void SetMinimum(double v);
    void SetMaximum(double v);

    // The range a paint gives this axis while it is automatic: for the
    // vertical axis from the lowest to the highest value of the active
    // series' bars, which all stand on 0, so the range always includes 0;
    // for the horizontal axis from the smallest to the largest X value.
    // Without any point in an active series the current range is kept.
    TAxisRange AutomaticRange() const;

    TChartAxisTitle& Title() { return title_; }
    const TChartAxisTitle& Title() const { return title_; }

private:
    friend class TChart;
    TChartAxis(TChart& chart, TDirection direction) : chart_(chart), direction_(direction), title_(chart) {}
    void setRange(TAxisRange range);

    TChart& chart_;
    TDirection direction_;
    bool automatic_ = true;
    TAxisRange range_;
    TChartAxisTitle title_;
};
