// The two back-tests on the database page. The parameter back-test replays
// the history week by week from the selected date: each cycle computes tips
// with the current parameters, steps a week on and sums the hits of those
// tips. The historical analysis puts each stored draw into tip row 1 and
// counts what it shares with the draws before it and with the next one.
// Both write "Test.txt" in the program folder and open it with the shell.

#include "app/ComposedMessages.h"
#include "app/LottoZahlen.h"
#include "draws/CurrentDrawView.h"
#include "draws/DrawFile.h"
#include "evaluation/BackTests.h"
#include "platform/rtl/Convert.h"
#include "platform/rtl/Random.h"

namespace {

const char* const kReportName = "Test.txt";

// Both run in the grid view: a cycle's calculation would otherwise append
// its tips to the user's tip list, and the clearing would empty it. The list
// keeps its tips and is shown and evaluated again once the run is over.
class GridViewForRun {
public:
    explicit GridViewForRun(TForm1& form) : form_(form), listView_(form.Gewinnzahlen->Visible()) {
        if (listView_) form_.StandardansichtClick(&form_);
    }
    void Restore() {
        if (!listView_) return;
        listView_ = false;
        form_.Gewinnzahlen->SetVisible(true);
        form_.Gewinne->SetVisible(true);
        form_.SpeedButton28->SetVisible(true);
        form_.Listengewinncheck();
    }

private:
    TForm1& form_;
    bool listView_;
};

void OpenReport(const std::string& path) { Application->Services().ShellExecute("open", path, "", ""); }

}  // namespace

void TForm1::BitBtn9Click(TObject* Sender) {
    if (LongCommandRunning()) return;
    const std::string question = AnalysisQuestion(Meldung(40), DateToStr(DateTimePicker1->Date()), Meldung(41));
    if (Application->MessageBox(question, Meldung(42), MB_YESNO) != IDYES) return;

    // A close asked for during a cycle's calculation ends the loop and is
    // carried out once the back-test is over.
    TBusyScope busy(*this);
    LongCommandScope running(*this, LongCommand::BackTest);
    GridViewForRun view(*this);
    // No cycle may stop for the review of its number pool.
    const bool reviewTicked = CheckBox20->Checked();
    CheckBox20->SetChecked(false);
    const std::string caption = BitBtn4->Caption();
    const bool gate = sortieren;
    auto restore = [&] {
        if (reviewTicked) CheckBox20->SetChecked(true);
        BitBtn4->SetCaption(caption);
        sortieren = gate;
        Application->SetScreenCursor(crDefault);
        view.Restore();
    };

    try {
        TDateTime lastDate = DateTimePicker1->Date();
        SpeedButton5Click(Sender);
        const std::string entry = Application->Services().InputBox(Meldung(35), Meldung(36), IntToStr(RandSeed));
        try {
            const int32_t luckyNumber = StrToInt(entry);
            RandSeed = luckyNumber;
            StatusBar1->SetPanelText(1, LuckyNumberStatus(Meldung(37), luckyNumber, Meldung(38)));

            WeekHitSums sums{};
            int32_t cycles = 0;
            BackTestStopAsked = false;
            TDateTime previousDate = Date();
            bool goesOn = previousDate != lastDate;
            while (goesOn) {
                previousDate = lastDate;
                // Every cycle starts from the same seed.
                RandSeed = StrToInt(entry);
                Label28Click(Sender);
                DateTimePicker1->SetDate(DateTimePicker1->Date() + 7);
                SpeedButton5Click(Sender);
                ++cycles;
                AddWeekHits(sums, Statistik);
                lastDate = DateTimePicker1->Date();
                goesOn = WeeklyLoopGoesOn(previousDate, lastDate, cycles == 1) && !BackTestStopAsked &&
                         !ClosePending();
            }

            const BackTestReportTexts texts{Meldung(43), Meldung(44), Meldung(33),
                                            Meldung(7),  Meldung(28), Meldung(45)};
            SaveReport(Home + kReportName, BackTestReportLines(texts, sums, cycles, UpDown8->Position()));
            OpenReport(Home + kReportName);
        } catch (...) {
            ShowMessage(Meldung(46));
        }
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TForm1::BitBtn19Click(TObject* Sender) {
    if (LongCommandRunning()) return;
    const std::string question = AnalysisQuestion(Meldung(55), DateToStr(DateTimePicker1->Date()), Meldung(56));
    if (Application->MessageBox(question, Meldung(57), MB_YESNO) != IDYES) return;

    // Its questions are modal boxes; a close asked for while one is up ends
    // the loop and is carried out once the analysis is over.
    TBusyScope busy(*this);
    LongCommandScope running(*this, LongCommand::BackTest);
    GridViewForRun view(*this);
    try {
        SpeedButton5Click(Sender);
        PageControl1->SetActivePage(TabSheet1);
        TDateTime marker = DateTimePicker1->Date() + 10;
        const int32_t threshold = StrToInt(Application->Services().InputBox(Meldung(58), Meldung(59), "5"));

        Application->SetScreenCursor(crHourGlass);
        MatchCounts history{};
        MatchCounts next{};
        const TipRow& row = Row(0);
        // The answer to the clearing question of the first cycle holds for
        // every cycle of the run.
        bool clearing = false;
        bool firstCycle = true;
        bool goesOn = marker > Datum1;
        while (goesOn) {
            if (firstCycle)
                clearing = ClearTips();
            else if (clearing)
                EmptyTips();
            firstCycle = false;

            static constexpr std::array<size_t, 7> kSlots{1, 2, 3, 4, 5, 7, 8};
            for (size_t i = 0; i < kSlots.size(); ++i) row.Edits[i]->SetText(IntToStr(Zahl[kSlots[i]]));
            StatusBar1->SetPanelText(0, DateToStr(marker));
            StatusBar1->SetPanelText(1, DateToStr(Datum1));
            Application->Services().Repaint();

            DrawScan scan(Home + ZahlenFile);
            marker = 0;
            Gewinn = 0;
            Series2->SetActive(true);
            Series1->SetActive(false);
            Series2->Clear();
            dfb = DateTimePicker1->Date();
            const std::array<const std::string*, 7> tip{&row.Edits[0]->Text(), &row.Edits[1]->Text(),
                                                       &row.Edits[2]->Text(), &row.Edits[3]->Text(),
                                                       &row.Edits[4]->Text(), &row.Edits[5]->Text(),
                                                       &row.Edits[6]->Text()};
            while (const DrawRecord* record = scan.Next()) {
                const TDateTime date = record->Datum;
                marker = date;
                if (!(aktDatum <= date && date < dfb)) continue;
                LoadDraw(*record, Datum1, Zahl);
                Zettelcheck(*tip[0], *tip[1], *tip[2], *tip[3], *tip[4], *tip[5], *tip[6]);
                CountMatch(history, Gewinn);
                if (Gewinn >= threshold) {
                    const std::string found = MatchFoundQuestion(Meldung(60), DateToStr(date), Meldung(61));
                    if (Application->MessageBox(found, Meldung(62), MB_YESNO) != IDYES) {
                        scan.Close();
                        Application->SetScreenCursor(crDefault);
                        view.Restore();
                        return;
                    }
                }
            }
            scan.Close();

            const TDateTime shownBefore = ShownDrawDate;
            SpeedButton7Click(Sender);
            CountMatch(next, Gewinn);
            goesOn = AnalysisGoesOn(marker, Datum1, shownBefore, ShownDrawDate) && !ClosePending();
        }

        Application->SetScreenCursor(crDefault);
        SaveReport(Home + kReportName, MatchReportLines(Meldung(63), Meldung(64), history, next));
        OpenReport(Home + kReportName);
    } catch (...) {
        Application->SetScreenCursor(crDefault);
        view.Restore();
        throw;
    }
    view.Restore();
}
