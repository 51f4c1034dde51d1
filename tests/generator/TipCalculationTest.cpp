// "Tipps berechnen" as the user runs it: seeds, locks, the budget, the stop
// click, the list view, a close during a run, and counters' edits holding
// what their counters did not take.

#include "generator/CalculationWindow.h"
#include "platform/rtl/Random.h"

#include <algorithm>
#include <ostream>
#include <set>

namespace {

class TipCalculation : public CalculationWindow {};

void expectValidTip(const std::array<std::string, 7>& t, int starMax) {
    std::set<int> numbers;
    int previous = 0;
    for (int i = 0; i < 5; ++i) {
        int n = std::stoi(t[static_cast<size_t>(i)]);
        EXPECT_GE(n, 1);
        EXPECT_LE(n, 50);
        EXPECT_GT(n, previous);
        previous = n;
        numbers.insert(n);
    }
    int s1 = std::stoi(t[5]), s2 = std::stoi(t[6]);
    EXPECT_GE(s1, 1);
    EXPECT_LT(s1, s2);
    EXPECT_LE(s2, starMax);
}

TEST_F(TipCalculation, EqualSeedsGiveEqualTipsAndTheRunEndsIdle) {
    startWithHistory();
    RandSeed = 4711;
    calculate();
    auto first = tips();
    for (int r = 0; r < 5; ++r) expectValidTip(first[static_cast<size_t>(r)].texts, 12);
    for (int r = 5; r < kTipRows; ++r) {
        EXPECT_TRUE(empty(r)) << r;
        EXPECT_EQ(f().Row(r).CrossSum->Caption(), "0");
    }
    EXPECT_EQ(f().BitBtn4->Caption(), "Tipps berechnen");
    EXPECT_EQ(status(), "Tipps wurden neu berechnet");
    EXPECT_TRUE(f().sortieren);
    EXPECT_FALSE(f().Berechnunglaeuft);
    EXPECT_EQ(h.app->ScreenCursor(), crDefault);

    RandSeed = 4711;
    calculate();
    EXPECT_EQ(tips(), first);
    RandSeed = 4712;
    calculate();
    EXPECT_NE(tips(), first);
}

TEST_F(TipCalculation, LockedRowsKeepWhatTheyWereLockedWith) {
    startWithHistory();
    fill(0, {"7", "19", "33", "", "", "", ""});
    lock(0);
    fill(2, {"3", "8", "15", "27", "44", "2", "9"});
    lock(2);
    fill(1, {"1", "2", "3", "4", "5", "1", "2"});  // free: computed anew
    f().UpDown8->SetPosition(3);
    RandSeed = 99;
    calculate();
    std::set<int> row1;
    for (int i = 0; i < 5; ++i) row1.insert(std::stoi(f().Row(0).Number(i)->Text()));
    EXPECT_TRUE(row1.count(7) && row1.count(19) && row1.count(33));
    EXPECT_EQ(tip(2).texts, (std::array<std::string, 7>{"3", "8", "15", "27", "44", "2", "9"}));
    EXPECT_NE(tip(1).texts[0], "1");
    EXPECT_EQ(f().Row(2).Label->Font().Color, clRed);
}

TEST_F(TipCalculation, ABudgetThatRunsOutLeavesEmptyRowsAndPutsEveryParameterBack) {
    startWithHistory();
    impossibleFilters();
    f().UpDown7->SetPosition(1);
    f().CheckBox8->SetChecked(true);
    fill(4, {"7", "19", "33", "", "", "", ""});
    lock(4);
    calculate();
    for (int r = 0; r < kTipRows; ++r) {
        if (r == 4) continue;
        EXPECT_TRUE(empty(r)) << r;
    }
    // A locked row keeps its numbers when its tip is not found.
    EXPECT_EQ(f().Row(4).Number(2)->Text(), "33");
    EXPECT_EQ(status(), "Ändern Sie die Parameter um 12 Tipps zuberechnen");
    EXPECT_TRUE(f().CheckBox8->Checked());
    EXPECT_EQ(f().UpDown4->Position(), 0);
    EXPECT_EQ(f().UpDown5->Position(), 1);
    EXPECT_EQ(f().UpDown6->Position(), 4);
    EXPECT_EQ(f().BitBtn4->Caption(), "Tipps berechnen");
    // The hit labels belong to the draw that is shown.
    EXPECT_EQ(f().Datum1, EncodeDate(2025, 2, 11));
}

TEST_F(TipCalculation, TheHitLabelsBelongToTheShownDrawWhenTheHistoryFiltersMovedIt) {
    auto history = SyntheticHistory(300, EncodeDate(2025, 2, 11));
    // The last draw's neighbours are all even: no candidate has five primes,
    // so every attempt reaches the history filters and the prime test fails.
    history.back() = MakeDrawRecord(EncodeDate(2025, 2, 11), {9, 15, 21, 25, 33}, 4, 6);
    start(history);
    f().CheckBox15->SetChecked(true);
    f().CheckBox19->SetChecked(true);
    f().CheckBox10->SetChecked(false);
    f().CheckBox28->SetChecked(true);
    f().UpDown17->SetPosition(2);
    f().CheckBox22->SetChecked(true);
    f().UpDown10->SetPosition(6);
    f().UpDown7->SetPosition(1);
    fill(0, {"9", "15", "21", "25", "33", "4", "6"});
    lock(0);
    calculate();
    EXPECT_EQ(status(), "Ändern Sie die Parameter um 12 Tipps zuberechnen");
    EXPECT_EQ(f().Datum1, EncodeDate(2025, 2, 11));
    EXPECT_EQ(f().Row(0).Result->Font().Color, clRed);
    EXPECT_EQ(f().Row(0).Result->Caption().substr(0, 1), "5");
}

TEST_F(TipCalculation, ASecondClickStopsTheRun) {
    startWithHistory();
    EXPECT_EQ(calculateAndStopWhileRunning(), 50);
    EXPECT_EQ(f().BitBtn4->Caption(), "Tipps berechnen");
    EXPECT_EQ(status(), "Tipps wurden neu berechnet");
    for (int r = 0; r < kTipRows; ++r) EXPECT_TRUE(empty(r));
}

TEST_F(TipCalculation, AStoppedRunStillGivesTheTipsFoundBeforeTheStop) {
    startWithHistory();
    bool stopped = false;
    // The click arrives while row 2 is being computed.
    std::function<void()> watch = [&] {
        if (!f().Row(0).Number(0)->Text().empty() && !stopped) {
            stopped = true;
            f().BitBtn4->Click();
        } else {
            h.platform.onProcessMessages(watch);
        }
    };
    h.platform.onProcessMessages(watch);
    calculate();
    ASSERT_TRUE(stopped);
    expectValidTip(tip(0).texts, 12);
    for (int r = 2; r < kTipRows; ++r) EXPECT_TRUE(empty(r)) << r;
}

TEST_F(TipCalculation, APoolOfFewerThanFiveNumbersEndsTheRunWithTheBudgetMessage) {
    start({draw(2025, 2, 4, {5, 12, 23, 34, 45}, 3, 9), draw(2025, 2, 7, {6, 13, 24, 35, 46}, 4, 10),
           draw(2025, 2, 11, {1, 2, 30, 49, 50}, 1, 2)});
    f().CheckBox15->SetChecked(true);
    f().CheckBox19->SetChecked(true);
    f().CheckBox10->SetChecked(false);
    calculate();
    EXPECT_EQ(status(), "Ändern Sie die Parameter um 12 Tipps zuberechnen");
    for (int r = 0; r < kTipRows; ++r) EXPECT_TRUE(empty(r));
    EXPECT_EQ(f().BitBtn4->Caption(), "Tipps berechnen");
}

TEST_F(TipCalculation, TheListViewIsCalculatedUpToAThousandTips) {
    startWithHistory();
    h.platform.tolerateMessages = true;
    f().ListenansichtClick(nullptr);
    TStringList lines;
    for (int i = 0; i < 1001; ++i) lines.Add("1\t2\t3\t4\t5\t\t\t1\t2");
    f().Gewinnzahlen->Items().Assign(lines);
    h.platform.messages.clear();
    calculate();
    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text, "Es können nicht mehr als 1000 Tipps berechnet werden!");
    EXPECT_EQ(f().Gewinnzahlen->Items().Count(), 1001);
    EXPECT_TRUE(f().Gewinnzahlen->Visible());

    f().Gewinnzahlen->Items().Delete(0);
    h.platform.messages.clear();
    calculate();
    EXPECT_TRUE(f().Gewinnzahlen->Visible());
    EXPECT_EQ(f().Gewinnzahlen->Items().Count(), 1005);
    EXPECT_EQ(f().BitBtn4->Caption(), "Tipps berechnen");
}

TEST_F(TipCalculation, AnEmptyListSwitchesToTheGridAndStaysThere) {
    startWithHistory();
    h.platform.tolerateMessages = true;
    f().ListenansichtClick(nullptr);
    f().Gewinnzahlen->Items().Clear();
    calculate();
    EXPECT_FALSE(f().Gewinnzahlen->Visible());
    expectValidTip(tip(0).texts, 12);
}

TEST_F(TipCalculation, ACloseDuringARunWaitsForItsEndAndStoresTheUsersValues) {
    startWithHistory();
    impossibleFilters();
    f().UpDown7->SetPosition(30000);
    h.platform.onProcessMessages([&] { f().Close(); });
    calculate();
    EXPECT_TRUE(f().Closed());
    EXPECT_TRUE(h.platform.terminated);
    TForm1& again = h.restart();
    EXPECT_EQ(again.UpDown6->Position(), 4);
    EXPECT_EQ(again.UpDown7->Position(), 30000);
}

TEST_F(TipCalculation, CancellingThePoolReviewLeavesTheButtonIdle) {
    startWithHistory();
    f().CheckBox20->SetChecked(true);
    h.platform.answerModal([](TForm& picker) { picker.SetModalResult(mrCancel); });
    calculate();
    EXPECT_EQ(f().BitBtn4->Caption(), "Tipps berechnen");
    EXPECT_TRUE(f().sortieren);
    for (int r = 0; r < kTipRows; ++r) EXPECT_TRUE(empty(r));
}

TEST_F(TipCalculation, TheMenuItemRunsTheSameCommand) {
    startWithHistory();
    RandSeed = 5;
    f().MainMenu1->DispatchShortCut(ShortCut('R', scCtrl));
    auto viaMenu = tips();
    RandSeed = 5;
    calculate();
    EXPECT_EQ(tips(), viaMenu);
    expectValidTip(viaMenu[0].texts, 12);
}

// Typed key by key, as the user does: every text on the way reaches the edit.
void type(TEdit& edit, const std::string& text) {
    edit.SetText("");
    for (size_t n = 1; n <= text.size(); ++n) edit.SetText(text.substr(0, n));
}

TEST_F(TipCalculation, ACountersEditShowsThePositionTheCalculationUses) {
    startWithHistory();
    struct Case {
        TEdit* edit;
        TUpDown* counter;
        const char* typed;
        const char* shown;  // the last text the counter took on the way
    };
    const Case cases[] = {
        {f().Edit80, f().UpDown8, "99", "9"},           // 1..12
        {f().Edit105, f().UpDown19, "abc", "1"},        // 1..3
        {f().Edit55, f().UpDown7, "50245", "5024"},     // 1..30000
    };
    for (const Case& c : cases) {
        type(*c.edit, c.typed);
        EXPECT_EQ(c.edit->Text(), c.typed) << "the edit keeps what is typed while it has the focus";
        c.edit->DoExit();
        EXPECT_EQ(c.edit->Text(), c.shown) << c.typed;
        EXPECT_EQ(c.edit->Text(), std::to_string(c.counter->Position())) << c.typed;
    }
    calculate();
    EXPECT_EQ(f().LaufMax, 5024 * 1000);
    for (int row = 0; row < kTipRows; ++row) EXPECT_EQ(empty(row), row >= 9) << row;

    // The calculate button takes no focus: the edit typed into last is still
    // not left when the command starts, and shows its position first.
    type(*f().Edit80, "abc");
    calculate();
    EXPECT_EQ(f().Edit80->Text(), "9");
    for (int row = 0; row < kTipRows; ++row) EXPECT_EQ(empty(row), row >= 9) << row;
    type(*f().Edit80, "13");
    f().MainMenu1->DispatchShortCut(ShortCut('R', scCtrl));
    EXPECT_EQ(f().Edit80->Text(), "1");
    EXPECT_TRUE(empty(1));
}

// What the calculation computes from the shipped history, a lucky number
// and the parameters, set on the parameter pages as the user sets them: the
// twelve rows, the attempt counter, the generator's seed after the run and
// the status line, pinned as the calculation gives them, so that a change
// of the pool's weights, of a row test or of the star choice shows.
struct PinnedRun {
    const char* name;
    std::function<void(TForm1&)> parameters;
    const char* luckyNumber;
    std::array<const char*, kTipRows> rows;  // the numbers, "/", the stars
    int32_t attempts;
    int32_t seedAfter;
    const char* status;
};

void PrintTo(const PinnedRun& run, std::ostream* out) { *out << run.name; }

class PinnedCalculation : public CalculationWindow, public ::testing::WithParamInterface<PinnedRun> {
protected:
    std::string rowText(int row) {
        const Tip t = tip(row);
        std::string text;
        for (size_t i = 0; i < 7; ++i) text += (i == 5 ? " / " : i == 0 ? "" : " ") + t.texts[i];
        return text == "     /  " ? "" : text;
    }
};

const PinnedRun kPinnedRuns[] = {
    {"Defaults",
     [](TForm1&) {},
     "4711",
     {"26 27 32 38 40 / 3 7", "12 22 32 39 48 / 1 7", "1 6 8 20 34 / 3 11", "2 4 22 32 47 / 1 9",
      "16 23 28 42 50 / 4 7", "", "", "", "", "", "", ""},
     33,
     -1972487687,
     "Tipps wurden neu berechnet"},
    {"FrequentAndOverdueNumbersFrequentPairsAndBothHistoryFilters",
     [](TForm1& f) {
         f.CheckBox2->Click();
         type(*f.Edit85, "40");
         type(*f.Edit86, "12");
         f.CheckBox1->Click();
         type(*f.Edit91, "2");
         type(*f.Edit92, "10");
         type(*f.Edit80, "12");
     },
     "20250211",
     {"1 14 17 26 32 / 3 5", "5 8 23 26 31 / 9 10", "5 13 31 34 38 / 8 10", "5 28 40 42 43 / 1 10",
      "1 13 26 31 38 / 9 12", "16 31 38 39 42 / 7 10", "9 14 20 22 31 / 2 9", "5 15 43 45 49 / 2 6",
      "5 19 23 31 44 / 7 12", "17 24 31 34 50 / 8 11", "13 24 32 34 50 / 9 10", "5 14 17 31 49 / 7 10"},
     1145,
     -859822695,
     "Tipps wurden neu berechnet"},
    {"ALockedRowFilledInPartAndTheStarsByLeastDrawn",
     [](TForm1& f) {
         const char* const kept[] = {"7", "19", "33", "40"};
         for (int i = 0; i < 4; ++i) type(*f.Row(2).Number(i), kept[i]);
         f.Row(2).Label->Click();
         f.RadioGroup1->SetItemIndex(1);
         f.RadioGroup2->SetItemIndex(1);
         type(*f.Edit80, "8");
     },
     "-5",
     {"5 11 19 39 48 / 4 12", "1 5 8 22 34 / 4 12", "6 7 19 33 48 / 4 12", "14 30 32 45 50 / 4 12",
      "14 29 32 35 50 / 4 12", "5 11 15 23 25 / 4 12", "6 7 17 22 48 / 4 12", "1 12 18 23 47 / 4 12",
      "", "", "", ""},
     42,
     272291027,
     "Tipps wurden neu berechnet"},
};

TEST_P(PinnedCalculation, TheShippedHistoryGivesTheTipsItAlwaysGave) {
    const PinnedRun& run = GetParam();
    startWithShippedHistory();
    run.parameters(f());
    h.platform.answerInput(run.luckyNumber);
    f().SpeedButton13->Click();
    calculate();
    for (int r = 0; r < kTipRows; ++r) EXPECT_EQ(rowText(r), run.rows[static_cast<size_t>(r)]) << "row " << r + 1;
    EXPECT_EQ(f().LastRunAttempts, run.attempts);
    EXPECT_EQ(RandSeed, run.seedAfter);
    EXPECT_EQ(status(), run.status);
}

INSTANTIATE_TEST_SUITE_P(TipCalculation, PinnedCalculation, ::testing::ValuesIn(kPinnedRuns),
                         [](const ::testing::TestParamInfo<PinnedRun>& info) { return info.param.name; });

}  // namespace
