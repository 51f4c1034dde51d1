// The two back-tests: their loops, their reports and the window they leave.

#include "evaluation/BackTests.h"
#include "generator/CalculationWindow.h"
#include "platform/rtl/FileUtils.h"
#include "platform/rtl/Random.h"
#include "platform/rtl/TextEncoding.h"

#include <filesystem>
#include <optional>
#include <sstream>

namespace {

const char* const kZeroReport =
    "Aktuelle Einstellung brachten\r\n"
    "\r\n"
    "Anzahl ohne Eurozahlen\t1x Eurozahl\t2x Eurozahl\r\n"
    "0x\t=> 0\t\t=> 0\t\t=> 0\r\n"
    "1x\t=> 0\t\t=> 0\t\t=> 0\r\n"
    "2x\t=> 0\t\t=> 0\t\t=> 0\r\n"
    "3x\t=> 0\t\t=> 0\t\t=> 0\r\n"
    "4x\t=> 0\t\t=> 0\t\t=> 0\r\n"
    "5x\t=> 0\t\t=> 0\t\t=> 0\r\n"
    "\r\n"
    "Ziehungen : 0      Tipp: 12 => 0Reihen\r\n";

TEST(BackTestReport, SumsRowsZeroToFiveAndMultipliesTheSettingByTheCycles) {
    const int32_t table[7][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {10, 11, 12}, {13, 14, 15}, {16, 17, 18}, {99, 99, 99}};
    WeekHitSums sums{};
    AddWeekHits(sums, table);
    AddWeekHits(sums, table);
    EXPECT_EQ(sums[6], (std::array<int32_t, 3>{0, 0, 0}));
    const BackTestReportTexts texts{"T", "W", "S", "D: ", "Tip", "R"};
    const auto lines = BackTestReportLines(texts, sums, 3, 7);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[2], "W\t1x S\t2x S");
    EXPECT_EQ(lines[3], "0x\t=> 2\t\t=> 4\t\t=> 6");
    EXPECT_EQ(lines[8], "5x\t=> 32\t\t=> 34\t\t=> 36");
    EXPECT_EQ(lines[10], "D: 3      Tip: 7 => 21R");
}

TEST(MatchReport, HistoryThenABlankLineThenTheNextDraw) {
    const MatchCounts history{5, 4, 3, 2, 1, 0, 9};
    const MatchCounts next{0, 1, 0, 0, 0, 0, 0};
    const auto lines = MatchReportLines("H", "N", history, next);
    const std::vector<std::string> expected{"H",         "0x    =>5", "1x    =>4", "2x    =>3", "3x    =>2",
                                            "4x    =>1", "5x    =>0", " ",         "N",         "0x    =>0",
                                            "1x    =>1", "2x    =>0", "3x    =>0", "4x    =>0", "5x    =>0"};
    EXPECT_EQ(lines, expected);
    MatchCounts counts{};
    for (int hits : {-1, 0, 6, 7}) CountMatch(counts, hits);
    EXPECT_EQ(counts, (MatchCounts{1, 0, 0, 0, 0, 0, 1}));
}

TEST(BackTestLoops, GoOnOnlyWhileTheStepMovesOn) {
    struct Case {
        TDateTime before, after;
        bool first, goesOn;
    } cases[] = {
        {100, 107, false, true},  // a week on
        {100, 100, false, false}, // the last stored draw again
        {100, 100, true, false},
        {100, 93, false, false},  // backwards: a history out of order
        {110, 100, true, true},   // picked after the last draw: one more cycle from it
    };
    for (const Case& c : cases)
        EXPECT_EQ(WeeklyLoopGoesOn(c.before, c.after, c.first), c.goesOn) << c.before << " " << c.after;
    EXPECT_TRUE(AnalysisGoesOn(120, 104, 100, 104));
    EXPECT_FALSE(AnalysisGoesOn(104, 104, 100, 104));
    EXPECT_FALSE(AnalysisGoesOn(120, 96, 100, 96));
}

class BackTestWindow : public CalculationWindow {
protected:
    // Fridays from 8 November 2024, the last before the harness's today.
    static constexpr int kYear = 2024, kMonth = 11, kDay = 8;
    TDateTime friday(int week) { return EncodeDate(kYear, kMonth, kDay) + 7 * week; }
    std::vector<DrawRecord> weekly(int count) {
        std::vector<DrawRecord> draws = SyntheticHistory(count, EncodeDate(2025, 2, 11), 7);
        for (int i = 0; i < count; ++i) draws[static_cast<size_t>(i)].Datum = friday(i);
        return draws;
    }
    void startWeekly(int count) {
        start(weekly(count));
        select(friday(0));
    }
    void select(TDateTime date) {
        f().DateTimePicker2->SetDate(friday(0));
        f().DateTimePicker1->SetDate(date);
        f().UpDown8->SetPosition(12);
    }
    std::string reportPath() { return f().Home + "Test.txt"; }
    std::string report() { return readFileBytes(reportPath()); }
    std::vector<std::string> reportLines() {
        std::vector<std::string> lines;
        std::istringstream in(AnsiToUtf8(report()));
        for (std::string line; std::getline(in, line);) lines.push_back(line.substr(0, line.size() - 1));
        return lines;
    }
    // The tips counted in the back-test report's table.
    int reportedTips() {
        int total = 0;
        const auto lines = reportLines();
        for (size_t l = 3; l <= 8; ++l)
            for (size_t at = lines[l].find("=> "); at != std::string::npos; at = lines[l].find("=> ", at + 1))
                total += std::stoi(lines[l].substr(at + 3));
        return total;
    }
    void backTest(std::optional<std::string> lucky, std::vector<int> more = {}) {
        h.platform.answerMessage(IDYES);
        h.platform.answerInput(std::move(lucky));
        for (int answer : more) h.platform.answerMessage(answer);
        f().BitBtn9->Click();
    }
    void analysis(const std::string& threshold, int clearing = IDYES, std::vector<int> found = {}) {
        h.platform.answerMessage(IDYES);
        h.platform.answerInput(threshold);
        h.platform.answerMessage(clearing);
        for (int answer : found) h.platform.answerMessage(answer);
        f().BitBtn19->Click();
    }
    void listViewWithOneLine() {
        f().Gewinnzahlen->Items().Add("1\t2\t3\t4\t5\t1\t2");
        f().ListenansichtOhneClick(nullptr);
    }
};

// ---- Parameter back-test ----

TEST_F(BackTestWindow, FromTodayNoCycleRunsAndTheReportIsAllZeros) {
    startWeekly(4);
    select(EncodeDate(2025, 2, 11));
    f().CheckBox20->SetChecked(true);
    backTest("42");
    ASSERT_FALSE(h.platform.messages.empty());
    EXPECT_EQ(h.platform.messages[0].text,
              "Soll die Analyse der Einstellungen jetzt ab dem  11.02.2025 durchgeführt werden??");
    EXPECT_EQ(h.platform.messages[0].caption, "aktuellen Tipps werden dabei gelöscht?");
    EXPECT_EQ(report(), kZeroReport);
    ASSERT_EQ(h.platform.shellCalls.size(), 1u);
    EXPECT_EQ(h.platform.shellCalls[0].verb, "open");
    EXPECT_EQ(h.platform.shellCalls[0].file, reportPath());
    EXPECT_TRUE(f().CheckBox20->Checked());
    EXPECT_EQ(f().StatusBar1->Panels(1).Text, "Glückszahl 42 gesetzt");
    EXPECT_TRUE(empty(0));
}

TEST_F(BackTestWindow, ThirteenWeeksGiveThirteenCyclesAndTheSameReportTwice) {
    startWeekly(13);
    f().CheckBox20->SetChecked(true);
    backTest("4711");
    const std::string first = report();
    EXPECT_EQ(reportLines().at(10), "Ziehungen : 13      Tipp: 12 => 156Reihen");
    EXPECT_EQ(reportedTips(), 156);
    EXPECT_EQ(f().DateTimePicker1->Date(), friday(12));
    EXPECT_TRUE(f().CheckBox20->Checked());
    EXPECT_TRUE(f().sortieren);
    EXPECT_EQ(f().BitBtn4->Caption(), "Tipps berechnen");
    EXPECT_EQ(h.app->ScreenCursor(), crDefault);
    EXPECT_EQ(f().RunningCommand(), TForm1::LongCommand::None);

    select(friday(0));
    RandSeed = 1;
    backTest("4711");
    EXPECT_EQ(report(), first);
}

TEST_F(BackTestWindow, ALuckyNumberThatIsNoWholeNumberRunsNoCycle) {
    startWeekly(3);
    f().CheckBox20->SetChecked(true);
    RandSeed = 555;
    backTest("abc", {IDOK});
    EXPECT_EQ(h.platform.messages.back().text, "Fehler bei Eingabe der Zufallszahl");
    EXPECT_FALSE(FileExists(reportPath()));
    EXPECT_TRUE(h.platform.shellCalls.empty());
    EXPECT_TRUE(empty(0));
    EXPECT_EQ(RandSeed, 555);
    EXPECT_TRUE(f().CheckBox20->Checked());
}

TEST_F(BackTestWindow, AReportThatCannotBeWrittenShowsTheBackTestsMessage) {
    startWeekly(3);
    f().CheckBox20->SetChecked(true);
    std::filesystem::create_directories(h.dir.path() / "Test.txt" / "in the way");
    backTest("1", {IDOK});
    EXPECT_EQ(h.platform.messages.back().text, "Fehler bei Eingabe der Zufallszahl");
    EXPECT_TRUE(h.platform.shellCalls.empty());
    EXPECT_TRUE(f().CheckBox20->Checked());
    EXPECT_EQ(f().BitBtn4->Caption(), "Tipps berechnen");
    EXPECT_EQ(h.app->ScreenCursor(), crDefault);
}

TEST_F(BackTestWindow, AnyWholeNumberIsASeedAndCancelKeepsTheCurrentOne) {
    struct Case {
        std::optional<std::string> entry;
        std::string sameAs;
    } cases[] = {{"0", "0"}, {"-5", "-5"}, {std::nullopt, "777"}};
    startWeekly(3);
    for (const Case& c : cases) {
        select(friday(0));
        RandSeed = 777;
        backTest(c.entry);
        const std::string got = report();
        select(friday(0));
        backTest(c.sameAs);
        EXPECT_EQ(got, report()) << c.sameAs;
        EXPECT_EQ(reportLines().at(10), "Ziehungen : 3      Tipp: 12 => 36Reihen");
    }
}

TEST_F(BackTestWindow, NoToTheQuestionChangesNothing) {
    startWeekly(3);
    h.platform.answerMessage(IDNO);
    f().BitBtn9->Click();
    h.platform.answerMessage(IDNO);
    f().BitBtn19->Click();
    EXPECT_TRUE(h.platform.inputPrompts.empty());
    EXPECT_FALSE(FileExists(reportPath()));
    EXPECT_EQ(f().DateTimePicker1->Date(), friday(0));
}

TEST_F(BackTestWindow, AStopClickEndsTheBackTestAfterItsCycle) {
    startWeekly(6);
    h.platform.onProcessMessages([this] { f().BitBtn4->Click(); });
    backTest("3");
    EXPECT_EQ(reportLines().at(10), "Ziehungen : 1      Tipp: 12 => 12Reihen");
    EXPECT_EQ(f().BitBtn4->Caption(), "Tipps berechnen");
    // A later run is not stopped by the old click.
    select(friday(0));
    backTest("3");
    EXPECT_EQ(reportLines().at(10), "Ziehungen : 6      Tipp: 12 => 72Reihen");
}

TEST_F(BackTestWindow, AClosingWindowEndsTheLoopAndThenCloses) {
    startWeekly(6);
    h.platform.onProcessMessages([this] { f().Close(); });
    backTest("3");
    EXPECT_EQ(reportLines().at(10), "Ziehungen : 1      Tipp: 12 => 12Reihen");
    EXPECT_TRUE(f().Closed());
}

TEST_F(BackTestWindow, AHistoryOutOfOrderCannotKeepTheLoopRunning) {
    // The last record lies before the first: a step past the end goes back.
    std::vector<DrawRecord> draws = weekly(4);
    draws.push_back(draws[0]);
    draws.back().Datum = friday(-1);
    start(draws);
    select(friday(0));
    backTest("3");
    EXPECT_EQ(reportLines().at(10), "Ziehungen : 4      Tipp: 12 => 48Reihen");
}

TEST_F(BackTestWindow, TheListViewKeepsItsTipsAndTheRunCountsTheGrid) {
    startWeekly(4);
    listViewWithOneLine();
    backTest("9");
    EXPECT_EQ(reportLines().at(10), "Ziehungen : 4      Tipp: 12 => 48Reihen");
    EXPECT_EQ(reportedTips(), 48);
    EXPECT_TRUE(f().Gewinnzahlen->Visible());
    ASSERT_EQ(f().Gewinnzahlen->Items().Count(), 1);
    EXPECT_EQ(f().Gewinnzahlen->Items()[0], "1\t2\t3\t4\t5\t1\t2");
    EXPECT_EQ(f().Gewinne->Items().Count(), 1);

    select(friday(0));
    analysis("6");
    EXPECT_TRUE(f().Gewinnzahlen->Visible());
    EXPECT_EQ(f().Gewinnzahlen->Items().Count(), 1);
}

TEST_F(BackTestWindow, NeitherStartsWhileALongCommandRuns) {
    startWeekly(3);
    for (TBitBtn* button : {f().BitBtn9, f().BitBtn19}) {
        TForm1::LongCommandScope update(f(), TForm1::LongCommand::DrawUpdate);
        button->Click();
    }
    EXPECT_TRUE(h.platform.messages.empty());
    EXPECT_FALSE(FileExists(reportPath()));
}

// ---- Both reports pinned on a history whose hits can be counted by hand ----

// Five Fridays. With every option that adds to, takes from or filters the
// pool switched off, the pool is the base set 1..50 and 1 once more (51
// entries), both stars are drawn at random, and one tip is computed per
// cycle. From the seed 12345 the generator's next five values below 51 are
// 19, 14, 4, 28, 32 (seed := seed * 134775813 + 1 mod 2^32, value = high 32
// bits of 51 * seed): the entries 20, 15, 5, 29, 33. The next two below 12
// are 4 and 5: the stars 5 and 6. So every cycle that starts from that seed
// computes the tip 5 15 20 29 33, stars 5 6.
//
//   date         numbers          stars   shared with the tip
//   08.11.2024   5 15 20 29 40    5  9    4 numbers, 1 star
//   15.11.2024   5 15 20  1  2    6 10    3 numbers, 1 star
//   22.11.2024   1  2  3  4  7    5  6    0 numbers, 2 stars
//   29.11.2024  29 33 44 45 46    1  2    2 numbers, 0 stars
//   06.12.2024  33 44 45  1 10    7  8    1 number,  0 stars
class PlainHistory : public BackTestWindow {
protected:
    void SetUp() override {
        start({draw(2024, 11, 8, {5, 15, 20, 29, 40}, 5, 9), draw(2024, 11, 15, {5, 15, 20, 1, 2}, 6, 10),
               draw(2024, 11, 22, {1, 2, 3, 4, 7}, 5, 6), draw(2024, 11, 29, {29, 33, 44, 45, 46}, 1, 2),
               draw(2024, 12, 6, {33, 44, 45, 1, 10}, 7, 8)});
        select(friday(0));
        f().UpDown8->SetPosition(1);
        for (TCheckBox* option : {f().CheckBox10, f().CheckBox4, f().CheckBox5, f().CheckBox23, f().CheckBox9,
                                  f().CheckBox28, f().CheckBox18, f().CheckBox27, f().CheckBox3, f().CheckBox24})
            option->SetChecked(false);
    }
};

TEST_F(PlainHistory, TheBackTestSumsEachCyclesTipAgainstTheDrawAWeekOn) {
    // Cycle 1 counts the tip against 15.11., 2 against 22.11., 3 against
    // 29.11., 4 against 06.12.; cycle 5 finds no draw a week on and counts
    // 06.12. again. The draw a cycle starts from (08.11. with its four
    // numbers) is never counted.
    backTest("12345");
    EXPECT_EQ(report(),
              "Aktuelle Einstellung brachten\r\n"
              "\r\n"
              "Anzahl ohne Eurozahlen\t1x Eurozahl\t2x Eurozahl\r\n"
              "0x\t=> 0\t\t=> 0\t\t=> 1\r\n"
              "1x\t=> 2\t\t=> 0\t\t=> 0\r\n"
              "2x\t=> 1\t\t=> 0\t\t=> 0\r\n"
              "3x\t=> 0\t\t=> 1\t\t=> 0\r\n"
              "4x\t=> 0\t\t=> 0\t\t=> 0\r\n"
              "5x\t=> 0\t\t=> 0\t\t=> 0\r\n"
              "\r\n"
              "Ziehungen : 5      Tipp: 1 => 5Reihen\r\n");
    EXPECT_EQ(tip(0).texts, (std::array<std::string, 7>{"5", "15", "20", "29", "33", "5", "6"}));
}

TEST_F(PlainHistory, TheAnalysisCountsEachDrawAgainstTheOnesBeforeAndTheNext) {
    // Numbers shared: 08.11./15.11. 3, 15.11./22.11. 2, 29.11./06.12. 3,
    // 08.11./29.11. 1, 22.11./06.12. 1, 15.11./06.12. 1, every other pair 0.
    // Row 1 takes 08.11. to 29.11. in turn; each is compared with the draws
    // before it (none for the first cycle) and with the next one.
    //   08.11.: before -           next 3
    //   15.11.: before 3           next 2
    //   22.11.: before 0, 2        next 0
    //   29.11.: before 1, 0, 0     next 3
    analysis("6");
    EXPECT_EQ(report(),
              "Treffer von Ziehungen in der Datenbank\r\n"
              "0x    =>3\r\n"
              "1x    =>1\r\n"
              "2x    =>1\r\n"
              "3x    =>1\r\n"
              "4x    =>0\r\n"
              "5x    =>0\r\n"
              " \r\n"
              "Wie oft gab es bei der n\xE4" "chsten Ziehung \xE4" "hnliche Zahlen\r\n"
              "0x    =>1\r\n"
              "1x    =>0\r\n"
              "2x    =>1\r\n"
              "3x    =>2\r\n"
              "4x    =>0\r\n"
              "5x    =>0\r\n");
}

// ---- Historical analysis ----

TEST_F(BackTestWindow, AnalysisComparesEachDrawWithTheOnesBeforeAndTheNext) {
    startWeekly(10);
    analysis("6");
    ASSERT_EQ(h.platform.messages.size(), 2u);
    EXPECT_EQ(h.platform.messages[0].text, "Soll die Analyse der Datenbank jetzt ab dem 08.11.2024 durchgeführt werden??");
    EXPECT_EQ(h.platform.messages[1].caption, "Tipps löschen?");
    const auto lines = reportLines();
    ASSERT_EQ(lines.size(), 15u);
    EXPECT_EQ(lines[0], "Treffer von Ziehungen in der Datenbank");
    EXPECT_EQ(lines[7], " ");
    EXPECT_EQ(lines[8], "Wie oft gab es bei der nächsten Ziehung ähnliche Zahlen");
    int history = 0, next = 0;
    for (size_t h = 0; h <= 5; ++h) {
        const std::string prefix = std::to_string(h) + "x    =>";
        ASSERT_EQ(lines[1 + h].substr(0, prefix.size()), prefix);
        history += std::stoi(lines[1 + h].substr(prefix.size()));
        next += std::stoi(lines[9 + h].substr(prefix.size()));
    }
    EXPECT_EQ(history, 36);
    EXPECT_EQ(next, 9);
    // The file is in the ANSI code page: "ä" is one byte.
    EXPECT_NE(report().find("n\xE4" "chsten"), std::string::npos);
    ASSERT_EQ(h.platform.shellCalls.size(), 1u);
    EXPECT_EQ(h.platform.shellCalls[0].verb, "open");

    // Row 1 holds the ninth draw; the last one is shown.
    const DrawRecord ninth = weekly(10)[8];
    EXPECT_EQ(f().Row(0).Number(0)->Text(), std::to_string(ninth.Slot[0]));
    EXPECT_EQ(f().Row(0).Star2()->Text(), std::to_string(ninth.Slot[7]));
    EXPECT_EQ(f().ShownDrawDate, friday(9));
    EXPECT_EQ(f().StatusBar1->Panels(1).Text, "03.01.2025");
    EXPECT_EQ(f().PageControl1->ActivePage(), f().TabSheet1);
    EXPECT_FALSE(f().Series1->Active());
    EXPECT_EQ(f().Series2->Count(), 0);
    EXPECT_EQ(h.app->ScreenCursor(), crDefault);
    EXPECT_EQ(f().RunningCommand(), TForm1::LongCommand::None);
}

TEST_F(BackTestWindow, NoToTheClearingKeepsTheOtherRowsForEveryCycle) {
    startWeekly(5);
    fill(1, {"1", "2", "3", "4", "5", "1", "2"});
    analysis("6", IDNO);
    EXPECT_EQ(h.platform.messages.size(), 2u);
    EXPECT_EQ(tip(1).texts, (std::array<std::string, 7>{"1", "2", "3", "4", "5", "1", "2"}));
    EXPECT_EQ(reportLines().size(), 15u);
}

TEST_F(BackTestWindow, NoAtAFoundDrawEndsWithoutAReport) {
    startWeekly(10);
    writeFileBytes(reportPath(), "earlier");
    analysis("0", IDYES, {IDNO});
    ASSERT_EQ(h.platform.messages.size(), 3u);
    EXPECT_EQ(h.platform.messages[2].text, "Ein Treffer gefunden am :  08.11.2024. Weiter?");
    EXPECT_EQ(h.platform.messages[2].caption, "Ziehung gefunden");
    EXPECT_EQ(report(), "earlier");
    EXPECT_TRUE(h.platform.shellCalls.empty());
    EXPECT_EQ(h.app->ScreenCursor(), crDefault);
    // The scan left the found draw current; the line still shows the second.
    EXPECT_EQ(f().Datum1, friday(0));
    EXPECT_EQ(f().ShownDrawDate, friday(1));
    EXPECT_NE(f().Label29->Caption().find("15.11.24"), std::string::npos);

    // "Löschen" deletes the draw the line shows, not the one the scan left.
    f().BitBtn6->Click();
    std::vector<TDateTime> dates;
    for (const DrawRecord& d : readDraws(h.dir.file("ZahlenEU.dat"))) dates.push_back(d.Datum);
    ASSERT_EQ(dates.size(), 9u);
    EXPECT_EQ(dates[0], friday(0));
    EXPECT_EQ(dates[1], friday(2));
}

TEST_F(BackTestWindow, AnAnalysisClosedDuringAQuestionEndsItsLoopAndThenCloses) {
    startWeekly(10);
    h.platform.answerMessage(IDYES);
    h.platform.answerInput("6");
    h.platform.answerMessage(IDYES, [this] { f().Close(); });
    f().BitBtn19->Click();
    int next = 0;
    for (size_t l = 9; l <= 14; ++l) next += std::stoi(reportLines().at(l).substr(8));
    EXPECT_EQ(next, 1);
    EXPECT_TRUE(f().Closed());
}

TEST_F(BackTestWindow, AThresholdThatIsNoWholeNumberShowsTheConversionError) {
    startWeekly(3);
    h.platform.answerMessage(IDYES);
    h.platform.answerInput("x");
    h.platform.answerMessage(IDOK);
    h.app->Invoke([this] { f().BitBtn19->Click(); });
    EXPECT_EQ(h.platform.messages.back().text, "'x' ist kein gültiger Integerwert");
    EXPECT_EQ(f().PageControl1->ActivePage(), f().TabSheet1);
    EXPECT_FALSE(FileExists(reportPath()));
    EXPECT_EQ(f().RunningCommand(), TForm1::LongCommand::None);
}

}  // namespace
