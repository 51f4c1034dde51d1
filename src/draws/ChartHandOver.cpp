#include "draws/ChartHandOver.h"

#include <algorithm>

HourglassCursor::HourglassCursor() { Application->SetScreenCursor(crHourGlass); }
HourglassCursor::~HourglassCursor() { Application->SetScreenCursor(crDefault); }

ChartPeriod PickerPeriod(const TForm1& form, bool firstDayCounted) {
    return {form.DateTimePicker2->Date(), form.DateTimePicker1->Date(), firstDayCounted};
}

void ShowOnlySeries(TBarSeries& shown, TBarSeries& other) {
    shown.SetActive(true);
    other.SetActive(false);
    shown.Clear();
}

TColor NumberBarColour(int number) { return IsPrimeBelow50(number) ? clRed : clGreen; }

void FixLeftAxis(TChartAxis& axis, double provisionalMinimum, BarRange bars) {
    axis.SetMinimum(provisionalMinimum);
    axis.SetMaximum(bars.Largest);
    axis.SetMinimum(bars.Smallest);
    axis.SetAutomatic(false);
}

void LeaveAxesAutomatic(TChart& chart) {
    TChartAxis& left = chart.LeftAxis();
    left.SetAutomatic(true);
    chart.BottomAxis().SetAutomatic(true);
    chart.AdjustAxes();
    const auto& series = chart.SeriesList();
    const bool anyBar = std::any_of(series.begin(), series.end(),
                                    [](const TBarSeries* s) { return s->Active() && s->Count() > 0; });
    if (!anyBar) {
        // A paint without bars would keep the previous chart's range; an empty
        // chart stands at 0 .. 0.
        left.SetMinimum(std::min(left.Minimum(), 0.0));
        left.SetMaximum(0);
        left.SetMinimum(0);
    }
}

std::string EndDateText(const TForm1& form) { return DateToStr(form.DateTimePicker1->Date()); }

void ShowEndDate(TForm1& form) { form.StatusBar1->SetPanelText(0, EndDateText(form)); }

void ShowChartPage(TForm1& form) { form.PageControl1->SetActivePage(form.TabSheet5); }
