#pragma once
// What the chart routines share: how they leave the statistics chart for
// whoever reads it next (the chart page, the tip calculation, the star
// choice, the chart replay), the replay kind each leaves in BitBtn20's Tag,
// and the scan of the analysed period.

#include "app/LottoZahlen.h"
#include "draws/DrawFile.h"
#include "draws/DrawStatistics.h"

#include <string>

// Which chart the chart replay redraws, kept in BitBtn20's Tag.
enum ReplayKind : int {
    kReplayNone = 0,
    kReplayDistribution = 1,
    kReplayCrossSums = 2,
    kReplayOverdueNumbers = 3,
    kReplayStarFrequency = 4,
    kReplayOverdueStars = 5,
    kReplayPairsWith = 6,
};

// The hourglass while a chart is computed, the default cursor afterwards,
// also when the routine ends with a failure.
class HourglassCursor {
public:
    HourglassCursor();
    ~HourglassCursor();
    HourglassCursor(const HourglassCursor&) = delete;
    HourglassCursor& operator=(const HourglassCursor&) = delete;
};

// The period of the two pickers: DateTimePicker2 to DateTimePicker1.
ChartPeriod PickerPeriod(const TForm1& form, bool firstDayCounted);

// The history file as every chart opens it.
inline std::string DrawFilePath(const TForm1& form) { return form.Home + form.ZahlenFile; }

// Hands every record of the period that passes `valid` to `count`, in file order.
template <class Valid, class Count>
void CountPeriod(DrawScan& scan, const ChartPeriod& period, Valid&& valid, Count&& count) {
    while (const DrawRecord* record = scan.Next())
        if (period.Contains(record->Datum) && valid(*record)) count(*record);
}

// Makes `shown` the active series and switches `other` off; `shown` loses
// its bars.
void ShowOnlySeries(TBarSeries& shown, TBarSeries& other);

// Bars over numbers: the primes red, the other numbers green.
TColor NumberBarColour(int number);

struct BarRange {
    double Smallest = 0;
    double Largest = 0;
};

// Adds one bar (X = i, Y = value(i)) for each i of first..last in the colour
// colour(i), and returns the lowest and highest bar.
template <class Value, class Colour>
BarRange AddBars(TBarSeries& series, int first, int last, Value&& value, Colour&& colour) {
    BarRange range;
    for (int i = first; i <= last; ++i) {
        const double y = value(i);
        if (i == first || y < range.Smallest) range.Smallest = y;
        if (i == first || y > range.Largest) range.Largest = y;
        series.AddXY(i, y, {}, colour(i));
    }
    return range;
}

// Fixes the left axis to the bars' range. The chart refuses a minimum above
// its current maximum, so the range is moved through a low provisional
// minimum first, which every earlier range admits.
void FixLeftAxis(TChartAxis& axis, double provisionalMinimum, BarRange bars);

// Leaves both axes to automatic scaling and gives the left axis at once the
// range the chart would show on its next paint (0 .. highest bar, 0 .. 0
// without bars), since the tip calculation reads it straight away.
void LeaveAxesAutomatic(TChart& chart);

// The end of the period as the status bar shows it.
std::string EndDateText(const TForm1& form);
void ShowEndDate(TForm1& form);
void ShowChartPage(TForm1& form);
