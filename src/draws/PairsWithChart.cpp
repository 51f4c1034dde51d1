// The pairs-with chart: how often each number was drawn together with the
// chosen number, with the most and least frequent pairs of the whole period
// in its title; and the step to the next chosen number.

#include "draws/ChartHandOver.h"
#include "platform/rtl/Convert.h"

#include <algorithm>

namespace {

std::string whole(double value) { return IntToStr(static_cast<int64_t>(value)); }

std::string place(int row, int column) { return "(" + IntToStr(row) + "," + IntToStr(column) + "): "; }

std::string pairsWithTitle(const PairsWithSummary& s) {
    return "Max " + place(s.LargestRow, s.LargestColumn) + IntToStr(s.Largest) + "   Min " +
           place(s.SmallestRow, s.SmallestColumn) + IntToStr(s.Smallest) + "   Paare gesamt:" + whole(s.Total) +
           "  Max " + place(s.Chosen, s.LargestWithRow) + IntToStr(s.LargestWith) + "  Min " +
           place(s.Chosen, s.SmallestWithRow) + IntToStr(s.SmallestWith) + "  Paare mit " + IntToStr(s.Chosen) +
           ": " + whole(s.ColumnTotal);
}

} // namespace

void TForm1::SpeedButton29Click(TObject*) {
    HourglassCursor busy;
    DrawScan scan(DrawFilePath(*this));
    const ChartPeriod period = PickerPeriod(*this, true);
    aktDatum = period.Start;
    dfb = period.End;
    PairMatrix matrix;
    try {
        Series1->Marks().SetVisible(false);
        Series2->Marks().SetVisible(false);
        ShowOnlySeries(*Series2, *Series1);
        BitBtn20->SetTag(kReplayPairsWith);
        CountPeriod(scan, period, HasValidMainNumbers, [&](const DrawRecord& r) { matrix.Add(r); });
        scan.Close();

        const int chosen = std::clamp(UpDown21->Position(), 1, kHighestNumber);
        const PairsWithSummary pairs = SummarisePairs(matrix, chosen);
        for (int row = 1; row <= kHighestNumber; ++row) Series2->AddXY(row, matrix.Cell[row][chosen], {}, clBlue);

        TChartAxis& left = Chart1->LeftAxis();
        left.SetAutomatic(false);
        // The chosen number in no draw of the period: nothing to scale to, and
        // the title and status keep what they showed.
        if (pairs.LargestWith == 0) return;
        // From a range that ends below 1 the maximum has to move first.
        if (left.Maximum() < 1) left.SetMaximum(pairs.LargestWith);
        left.SetMinimum(1);
        left.SetMaximum(pairs.LargestWith);
        left.SetMinimum(pairs.SmallestWith);
        Chart1->BottomAxis().SetAutomatic(true);

        Chart1->BottomAxis().Title().SetCaption(pairsWithTitle(pairs));
        ShowEndDate(*this);
    } catch (...) {
        // The replay steps through this chart four times a second; a fault
        // while drawing must not end in a box on every tick.
    }
}

void TForm1::SpeedButton30Click(TObject* Sender) {
    BitBtn20->SetTag(kReplayPairsWith);
    if (UpDown21->Position() == UpDown21->Max())
        UpDown21->SetPosition(UpDown21->Min());
    else
        UpDown21->SetPosition(UpDown21->Position() + 1);
    SpeedButton29Click(Sender);
}
