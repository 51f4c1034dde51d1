// The tip distribution chart: the numbers of the current tips, those of the
// grid or, in the list view, those of the tip list, as bars over 1..50.

#include "draws/ChartHandOver.h"
#include "draws/TipDistribution.h"

namespace {

void countGrid(const TForm1& form, TipNumberCount& count) {
    for (const TipRow& row : form.TipRows())
        for (int i = 0; i < 5; ++i)
            if (!count.Add(row.Number(i)->Text())) return;
}

void countList(const TForm1& form, TipNumberCount& count) {
    for (std::string_view line : form.Gewinnzahlen->Items())
        if (!count.AddListLine(line)) return;
}

} // namespace

void TForm1::Button6Click(TObject*) {
    HourglassCursor busy;
    ShowOnlySeries(*Series2, *Series1);

    TipNumberCount count;
    if (Gewinnzahlen->Visible()) {
        Gewinne->Items().Clear();
        countList(*this, count);
    } else {
        countGrid(*this, count);
    }

    const BarRange bars = AddBars(
        *Series2, 1, kHighestNumber, [&](int i) { return count.Counts()[static_cast<size_t>(i)]; },
        NumberBarColour);
    FixLeftAxis(Chart1->LeftAxis(), 0, bars);
    Chart1->BottomAxis().SetAutomatic(true);
    Chart1->BottomAxis().Title().SetCaption(Meldung(39));
    ShowChartPage(*this);
}
