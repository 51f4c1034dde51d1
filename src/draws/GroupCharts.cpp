// The run charts: in how many draws of the period each run of two, three or
// four consecutive numbers was drawn. Each draw is loaded as the current
// draw and the runs are put to it as tips through the tip comparison, the
// matcher every check of numbers against stored draws shares.

#include "app/ComposedMessages.h"
#include "draws/ChartHandOver.h"
#include "platform/rtl/Convert.h"

namespace {

// The tip texts of the runs: "0" .. "51" (the last quad looked for reaches 51).
const std::array<std::string, kHighestNumber + 2> kNumberTexts = [] {
    std::array<std::string, kHighestNumber + 2> t;
    for (size_t i = 0; i < t.size(); ++i) t[i] = IntToStr(static_cast<int64_t>(i));
    return t;
}();

const std::string& numberText(int n) { return kNumberTexts[static_cast<size_t>(n)]; }

// The main hits of the run first .. first + length - 1 against the current draw.
int compareRun(TForm1& form, int first, int length) {
    auto field = [&](int p) -> const std::string& { return numberText(p < length ? first + p : 0); };
    const std::string& none = numberText(0);
    form.Zettelcheck(field(0), field(1), field(2), field(3), field(4), none, none);
    return form.Gewinn;
}

struct RunChart {
    RunShape Shape;
    int FoundMessage;   // the title's "... gefunden"
    bool KeepsEndDate;  // copies the end of the period into dfb
    bool AutomaticAxis;
};

constexpr RunChart kPairChart{kPairRuns, 15, false, false};
constexpr RunChart kTripleChart{kTripleRuns, 16, true, false};
constexpr RunChart kQuadChart{kQuadRuns, 19, true, true};

void runChart(TForm1& form, const RunChart& chart) {
    const RunShape shape = chart.Shape;
    HourglassCursor busy;
    DrawScan scan(DrawFilePath(form));
    const ChartPeriod period = PickerPeriod(form, false);
    form.aktDatum = period.Start;
    RunCounts runs(shape);
    ShowOnlySeries(*form.Series2, *form.Series1);
    if (chart.KeepsEndDate) form.dfb = period.End;

    // The comparison of a run with a valid draw counts the drawn numbers that
    // lie in the run, so it is counted as integers here; a run none of whose
    // numbers was drawn has no hit at all. The comparison of the last run
    // with the last draw is made through the window's own, since its outcome
    // stays in the window's fields.
    CountPeriod(scan, period, HasValidMainNumbers, [&](const DrawRecord& record) {
        for (int i = 1; i <= 8; ++i) form.Zahl[static_cast<size_t>(i)] = record.Slot[i - 1];
        const uint64_t touching = RunsTouchingDraw(form.Zahl, shape.Length);
        runs.AddDraw([&](int first) {
            if ((touching >> first & 1) == 0) return 0;
            int hits = 0;
            for (int d = 1; d <= 5; ++d) {
                int drawn = form.Zahl[static_cast<size_t>(d)];
                if (drawn >= first && drawn < first + shape.Length) ++hits;
            }
            return hits;
        });
    });
    if (runs.Draws > 0) compareRun(form, shape.LastFirst, shape.Length);

    const BarRange bars = AddBars(
        *form.Series2, 1, shape.Bars, [&](int i) { return runs.Count[static_cast<size_t>(i)]; },
        [](int) { return clDefault; });
    if (chart.AutomaticAxis) {
        LeaveAxesAutomatic(*form.Chart1);
    } else {
        FixLeftAxis(form.Chart1->LeftAxis(), 0, bars);
        form.Chart1->BottomAxis().SetAutomatic(true);
    }
    form.Chart1->BottomAxis().Title().SetCaption(
        RunsChartTitle(form.Meldung(7), runs.Draws, form.Meldung(chart.FoundMessage), runs.RunsFound));
    scan.Close();
    ShowChartPage(form);
}

} // namespace

void TForm1::Button2Click(TObject*) { runChart(*this, kPairChart); }
void TForm1::Button3Click(TObject*) { runChart(*this, kTripleChart); }
void TForm1::Button4Click(TObject*) { runChart(*this, kQuadChart); }
