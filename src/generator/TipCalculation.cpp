// "Tipps berechnen": computes up to 12 tips into the grid from the number
// pool, row by row, against one budget of attempts. The same button stops a
// running calculation; its caption is the run's only sign of being busy.

#include "app/LottoZahlen.h"
#include "evaluation/ListLine.h"
#include "generator/RowTests.h"
#include "platform/rtl/Convert.h"

#include <algorithm>

namespace {

constexpr int kMaxListTips = 1000;

int numberOrZero(const std::string& text) {
    int n = 0;
    return TryStrToInt(text, n) ? n : 0;
}

bool isLocked(const TipRow& row) { return row.Label->Font().Color == clRed; }

// What the run loosens and puts back at its end.
struct SavedParameters {
    bool pairForced;
    int lastDraw, secondLast, history;
};

}  // namespace

void TForm1::Berechnen1Click(TObject* Sender) { Label28Click(Sender); }

void TForm1::Label28Click(TObject*) {
    // A click while running is the stop click, whatever the view.
    if (RunningCommand() == LongCommand::Calculation) {
        BitBtn4->SetCaption(Tippsberechnen);
        CalculationStopAsked = true;
        BackTestStopAsked = true;
        return;
    }
    // Nothing starts inside another long command; a back-test runs its
    // cycles' calculations itself.
    if (LongCommandRunning() && RunningCommand() != LongCommand::BackTest) return;

    TipRun run;
    if (Gewinnzahlen->Visible()) {
        const TStringList& list = Gewinnzahlen->Items();
        if (list.Count() > kMaxListTips) {
            Application->MessageBox("Es können nicht mehr als 1000 Tipps berechnet werden!");
            return;
        }
        ListLineReader reader;
        run.Table.reserve(static_cast<size_t>(list.Count()) + kTipRows);
        for (int i = 0; i < list.Count(); ++i) {
            // Only the main numbers take part in the comparison; a field
            // that is no number reads as 0.
            const ListLineFields& fields = reader.Read(list[i]);
            TableTip tip{};
            for (size_t t = 0; t < 5; ++t) tip[t] = static_cast<uint8_t>(std::clamp(numberOrZero(fields[t]), 0, 255));
            run.Table.push_back(tip);
        }
        run.ListTips = list.Count();
        StandardansichtClick(this);
    }
    run.Table.resize(static_cast<size_t>(run.ListTips) + kTipRows);
    if (Tippsberechnen.empty()) Tippsberechnen = BitBtn4->Caption();

    // A close asked for meanwhile waits for the run's end.
    TBusyScope busy(*this);
    LongCommandScope running(*this, LongCommand::Calculation);
    BitBtn4->SetCaption(Meldung(20));
    CalculationStopAsked = false;
    sortieren = false;
    LaufMax = UpDown7->Position() * 1000;
    SavedParameters saved{CheckBox8->Checked(), UpDown4->Position(), UpDown5->Position(), UpDown6->Position()};
    Application->SetScreenCursor(crHourGlass);

    auto restore = [&] {
        Application->SetScreenCursor(crDefault);
        CheckBox8->SetChecked(saved.pairForced);
        UpDown4->SetPosition(saved.lastDraw);
        UpDown5->SetPosition(saved.secondLast);
        UpDown6->SetPosition(saved.history);
        Berechnunglaeuft = false;
        BitBtn4->SetCaption(Tippsberechnen);
        sortieren = true;
    };

    try {
        TDateTime selected = DateTimePicker1->Date();
        SpeedButton5Click(this);
        run.LastDraws[0] = Zahl;
        SpeedButton6Click(this);
        run.LastDraws[1] = Zahl;
        SpeedButton6Click(this);
        run.LastDraws[2] = Zahl;
        try {
            DateTimePicker1->SetDate(selected);
        } catch (const std::exception&) {
        }
        SpeedButton5Click(this);
        // The shown draw, which the final evaluation compares with again.
        TDateTime shownDate = Datum1;
        DrawNumbers shownNumbers = Zahl;
        int32_t shownPosition = Position;

        SpeedButton11Click(this);
        if (!BuildNumberPool(run)) {
            restore();
            return;
        }
        StatusBar1->SetPanelText(1, Meldung(27));
        Application->Services().Repaint();
        run.Candidate.Clear();
        Berechnunglaeuft = true;
        run.Attempts = 0;
        PageControl1->SetActivePage(TabSheet1);

        for (int k = 1; k <= kTipRows; ++k) {
            run.Row = k;
            const TipRow& row = Row(k - 1);
            TipCandidate& c = run.Candidate;
            c.Clear();
            bool complete = isLocked(row) && !row.Number(4)->Text().empty();
            TipCandidate kept;
            // The lock is read at every attempt: a click during the run counts.
            auto takeKept = [&] {
                kept.Clear();
                if (!isLocked(row)) return;
                for (int i = 0; i < 3; ++i) {
                    const std::string& text = row.Number(i)->Text();
                    int n = 0;
                    // The next number only after the one before it was taken.
                    if (text.empty() || !TryStrToInt(text, n) || n < 1 || n > 50 || kept.Contains(n)) break;
                    kept.Add(n);
                }
            };
            if (complete) {
                // Taken as it stands; a field that is no number counts as 0.
                for (int i = 0; i < 5; ++i) c.Numbers[static_cast<size_t>(i)] = numberOrZero(row.Number(i)->Text());
                c.Count = 5;
                c.Star1 = numberOrZero(row.Star1()->Text());
                c.Star2 = numberOrZero(row.Star2()->Text());
            } else {
                takeKept();
                bool computed = run.Attempts < LaufMax && k <= UpDown8->Position();
                if (computed) {
                    while (!c.Complete() && run.Attempts < LaufMax && !CalculationStopAsked) {
                        Application->ProcessMessages();
                        if (ClosePending()) {
                            BitBtn4->SetCaption(Tippsberechnen);
                            CalculationStopAsked = true;
                        }
                        takeKept();
                        c = kept;
                        ++run.Attempts;
                        Loosening loosen = LooseningAt(run.Attempts, LaufMax);
                        if (loosen.UntickPair) CheckBox8->SetChecked(false);
                        if (loosen.History >= 0) UpDown6->SetPosition(loosen.History);
                        if (loosen.SecondLast >= 0) UpDown5->SetPosition(loosen.SecondLast);
                        if (loosen.Last >= 0) UpDown4->SetPosition(loosen.Last);
                        TryCandidate(run);
                    }
                }
                if (run.Attempts >= LaufMax) c.Clear();
                std::sort(c.Numbers.begin(), c.Numbers.end());
                row.CrossSum->SetCaption(IntToStr(c.Complete() ? c.CrossSum() : 0));
                if (!c.Complete()) {
                    // A locked row keeps what it was locked with.
                    c = kept;
                    c.Star1 = c.Star2 = 0;
                }
            }

            TableTip& entry = run.Table[static_cast<size_t>(run.ListTips + k - 1)];
            for (size_t i = 0; i < 5; ++i) entry[i] = static_cast<uint8_t>(std::clamp(c.Numbers[i], 0, 255));
            if (!complete) {
                for (int i = 0; i < 5; ++i) row.Number(i)->SetText(IntToStr(c.Numbers[static_cast<size_t>(i)]));
                bool keptOnly = !c.Complete() && kept.Count > 0;
                if (!keptOnly) {
                    row.Star1()->SetText(IntToStr(c.Star1));
                    row.Star2()->SetText(IntToStr(c.Star2));
                }
            }
            Application->Services().Repaint();
        }

        Application->Services().Repaint();
        sortieren = true;
        Datum1 = shownDate;
        Zahl = shownNumbers;
        Position = shownPosition;
        Komplettcheck();
        Application->SetScreenCursor(crDefault);
        LastRunAttempts = run.Attempts;
        StatusBar1->SetPanelText(1, Meldung(run.Attempts >= LaufMax ? 29 : 30));
        restore();
        if (run.ListTips > 0) ListenansichtOhneClick(this);
    } catch (...) {
        restore();
        throw;
    }
}
