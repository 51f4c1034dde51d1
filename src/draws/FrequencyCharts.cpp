// The frequency charts: how often each number and each star was drawn, how
// long each has been waiting, and how the cross sums are spread.

#include "app/ComposedMessages.h"
#include "draws/ChartHandOver.h"
#include "platform/rtl/Convert.h"
#include "platform/rtl/Exceptions.h"

namespace {

constexpr double kNumberAxisFloor = 0;
constexpr double kStarAxisFloor = -100;

BarRange addNumberBars(TBarSeries& series, const std::array<int32_t, kHighestNumber + 1>& count) {
    return AddBars(
        series, 1, kHighestNumber, [&](int i) { return count[static_cast<size_t>(i)]; }, NumberBarColour);
}

BarRange addStarBars(TBarSeries& series, const std::array<int32_t, kHighestStar + 1>& count) {
    return AddBars(
        series, 1, kHighestStar, [&](int s) { return count[static_cast<size_t>(s)]; },
        [](int) { return clDefault; });
}

} // namespace

void TForm1::SpeedButton2Click(TObject*) {
    HourglassCursor busy;
    DrawScan scan(DrawFilePath(*this));
    const ChartPeriod period = PickerPeriod(*this, true);
    aktDatum = period.Start;
    dfb = period.End;
    BitBtn20->SetTag(kReplayDistribution);
    NumberFrequency frequency;
    try {
        Series2->Marks().SetVisible(false);
        Series1->Marks().SetVisible(false);
        ShowOnlySeries(*Series2, *Series1);
        CountPeriod(scan, period, HasValidNumbersAndStars, [&](const DrawRecord& r) { frequency.Add(r); });
        scan.Close();
        FixLeftAxis(Chart1->LeftAxis(), kNumberAxisFloor, addNumberBars(*Series2, frequency.Count));
        Chart1->BottomAxis().SetAutomatic(true);
        // Without a draw there is no mean: title and status keep what they showed.
        if (frequency.Draws == 0) return;
        Chart1->BottomAxis().Title().SetCaption(
            FrequencyChartTitle(Meldung(6), Meldung(7), static_cast<int64_t>(frequency.Draws), Meldung(8),
                                MeanCrossSum(frequency.CrossSumTotal, frequency.Draws)));
        ShowEndDate(*this);
    } catch (...) {
        // This chart runs at every start; a fault while drawing must not stop it.
    }
}

void TForm1::SpeedButton3Click(TObject*) {
    HourglassCursor busy;
    DrawScan scan(DrawFilePath(*this));
    const ChartPeriod period = PickerPeriod(*this, true);
    aktDatum = period.Start;
    StarFrequency frequency;
    ShowOnlySeries(*Series2, *Series1);
    Series1->Clear();
    CountPeriod(scan, period, HasValidNumbersAndStars, [&](const DrawRecord& r) { frequency.Add(r); });
    FixLeftAxis(Chart1->LeftAxis(), kStarAxisFloor, addStarBars(*Series2, frequency.Count));
    Chart1->BottomAxis().SetAutomatic(true);
    Chart1->BottomAxis().Title().SetCaption(Meldung(9));
    scan.Close();
    if (!Berechnunglaeuft) ShowChartPage(*this);
}

void TForm1::Button5Click(TObject*) {
    HourglassCursor busy;
    DrawScan scan(DrawFilePath(*this));
    const ChartPeriod period = PickerPeriod(*this, false);
    aktDatum = period.Start;
    dfb = period.End;
    OverdueNumbers overdue;
    BitBtn20->SetTag(kReplayOverdueNumbers);
    ShowOnlySeries(*Series2, *Series1);
    CountPeriod(scan, period, HasValidNumbersAndStars, [&](const DrawRecord& r) { overdue.Add(r); });
    FixLeftAxis(Chart1->LeftAxis(), kNumberAxisFloor, addNumberBars(*Series2, overdue.Count));
    Chart1->BottomAxis().SetAutomatic(true);
    Chart1->BottomAxis().Title().SetCaption(Meldung(34));
    scan.Close();
    ShowChartPage(*this);
    ShowEndDate(*this);
}

void TForm1::Button8Click(TObject*) {
    HourglassCursor busy;
    const ChartPeriod period = PickerPeriod(*this, false);
    aktDatum = period.Start;
    OverdueStars overdue(SternenzahlMax);
    BitBtn20->SetTag(kReplayOverdueStars);
    ShowOnlySeries(*Series2, *Series1);
    try {
        DrawScan scan(DrawFilePath(*this));
        CountPeriod(scan, period, HasValidNumbersAndStars, [&](const DrawRecord& r) { overdue.Add(r); });
        scan.Close();
    } catch (const EInOutError&) {
        // The star choice relies on this chart as it is: a missing or
        // unreadable history counts as one without draws.
    }
    FixLeftAxis(Chart1->LeftAxis(), kStarAxisFloor, addStarBars(*Series2, overdue.Count));
    Chart1->BottomAxis().SetAutomatic(true);
    Chart1->BottomAxis().Title().SetCaption(Meldung(54));
    ShowEndDate(*this);
    if (!Berechnunglaeuft) ShowChartPage(*this);
}

void TForm1::SpeedButton9Click(TObject*) {
    HourglassCursor busy;
    DrawScan scan(DrawFilePath(*this));
    const ChartPeriod period = PickerPeriod(*this, false);
    aktDatum = period.Start;
    dfb = period.End;
    BitBtn20->SetTag(kReplayCrossSums);
    CrossSumCounts sums;
    try {
        ShowOnlySeries(*Series2, *Series1);
        CountPeriod(scan, period, HasValidNumbersAndStars, [&](const DrawRecord& r) { sums.Add(r); });
        scan.Close();
        AddBars(
            *Series2, sums.Smallest, sums.Largest, [&](int v) { return sums.Count[static_cast<size_t>(v)]; },
            [](int) { return clDefault; });
        LeaveAxesAutomatic(*Chart1);
        if (sums.Draws == 0) return;
        Chart1->BottomAxis().Title().SetCaption(CrossSumChartTitle(
            Meldung(18), Meldung(7), static_cast<int64_t>(sums.Draws), Meldung(8), MeanCrossSum(sums.Total, sums.Draws)));
        ShowEndDate(*this);
    } catch (...) {
        // Like the number distribution, the replay redraws this chart tick by
        // tick; a fault while drawing must not end in a box each time.
    }
}
