// The run charts and the pairs-with chart through the main window.

#include "draws/ChartFormFixture.h"
#include "draws/DrawStatistics.h"
#include "platform/rtl/Convert.h"
#include "platform/rtl/FileUtils.h"

#include <algorithm>

namespace {

using Handler = void (TForm1::*)(TObject*);

class GroupCharts : public ChartForm {
protected:
    GroupCharts() { period(2025, 1, 6, 2025, 1, 31); }

    std::vector<int> nonZeroBars() const {
        std::vector<int> found;
        for (int i = 0; i < f.Series2->Count(); ++i)
            if (f.Series2->YValues()[i] != 0) found.push_back(static_cast<int>(f.Series2->XValues()[i]));
        return found;
    }
};

TEST_F(GroupCharts, RunsOfOneDraw) {
    history({draw(2025, 1, 10, {21, 3, 20, 5, 4}, 1, 2)});
    struct Case {
        const char* name;
        Handler handler;
        std::vector<int> bars;
        const char* title;
    } cases[] = {
        {"pairs", &TForm1::Button2Click, {3, 4, 20}, "Ziehungen : 1        Paare gefunden :  3"},
        {"triples", &TForm1::Button3Click, {3}, "Ziehungen : 1        Dreier gefunden :  1"},
        {"quads", &TForm1::Button4Click, {}, "Ziehungen : 1        Vierer gefunden!0"},
    };
    for (const Case& c : cases) {
        ASSERT_TRUE(click(c.handler)) << c.name;
        EXPECT_EQ(nonZeroBars(), c.bars) << c.name;
        EXPECT_EQ(title(), c.title) << c.name;
    }
}

TEST_F(GroupCharts, RunsAtTheTopEndAndTheQuadsThatCannotBe) {
    history({draw(2025, 1, 10, {50, 49, 48, 47, 46}, 1, 2)});
    ASSERT_TRUE(click(&TForm1::Button2Click));
    EXPECT_EQ(nonZeroBars(), (std::vector<int>{46, 47, 48, 49}));
    ASSERT_TRUE(click(&TForm1::Button3Click));
    EXPECT_EQ(nonZeroBars(), (std::vector<int>{46, 47, 48}));
    ASSERT_TRUE(click(&TForm1::Button4Click));
    EXPECT_EQ(nonZeroBars(), (std::vector<int>{46, 47}));
    EXPECT_EQ(f.Series2->Count(), 50);
}

TEST_F(GroupCharts, RunChartsCountWhatTheRunsOfEachDrawAre) {
    // Draws with runs everywhere: each number lies within 10 of the first.
    std::vector<DrawRecord> records;
    uint32_t seed = 7;
    auto next = [&](int n) {
        seed = seed * 134775813u + 1;
        return static_cast<int>((static_cast<uint64_t>(seed) * static_cast<uint64_t>(n)) >> 32);
    };
    for (int i = 0; i < 300; ++i) {
        std::array<int, 5> numbers{};
        const int base = 1 + next(41);
        for (size_t k = 0; k < 5; ++k) {
            int n;
            do n = base + next(10);
            while (std::find(numbers.begin(), numbers.end(), n) != numbers.end());
            numbers[k] = n;
        }
        records.push_back(MakeDrawRecord(EncodeDate(2020, 1, 1) + i, numbers, 1, 2));
    }
    history(records);
    period(2019, 12, 31, 2025, 1, 31);
    struct Case {
        Handler handler;
        RunShape shape;
        int foundMessage;
    } cases[] = {{&TForm1::Button2Click, kPairRuns, 15}, {&TForm1::Button3Click, kTripleRuns, 16},
                 {&TForm1::Button4Click, kQuadRuns, 19}};
    for (const Case& c : cases) {
        RunCounts expected(c.shape);
        for (const DrawRecord& r : records) {
            DrawNumbers zahl{};
            TDateTime date = 0;
            LoadDraw(r, date, zahl);
            expected.AddDraw([&](int first) { return RunHits(zahl, first, c.shape.Length); });
        }
        ASSERT_TRUE(click(c.handler));
        ASSERT_GT(expected.RunsFound, 20);
        for (int i = 1; i <= c.shape.Bars; ++i) EXPECT_EQ(bar(i), expected.Count[static_cast<size_t>(i)]) << i;
        EXPECT_EQ(title(), "Ziehungen : 300        " + f.Meldung(c.foundMessage) + IntToStr(expected.RunsFound));
    }
}

TEST_F(GroupCharts, RunChartsLoadEachDrawAndLeaveTheLastOne) {
    history({
        draw(2025, 1, 6, {1, 2, 3, 4, 5}, 1, 2),  // the first day: not counted
        draw(2025, 1, 10, {7, 8, 20, 30, 40}, 3, 4),
        draw(2025, 1, 14, {12, 13, 25, 50, 49}, 5, 6),
        draw(2025, 2, 4, {1, 2, 3, 4, 5}, 7, 8),  // after the period
    });
    f.Datum1 = EncodeDate(2024, 12, 31);
    f.Position = 7;
    ASSERT_TRUE(click(&TForm1::Button2Click));
    EXPECT_EQ(nonZeroBars(), (std::vector<int>{7, 12, 49}));
    EXPECT_EQ(title(), "Ziehungen : 2        Paare gefunden :  3");
    EXPECT_EQ(f.Zahl, (DrawNumbers{0, 12, 13, 25, 50, 49, 0, 5, 6}));
    EXPECT_EQ(f.Datum1, EncodeDate(2024, 12, 31));
    EXPECT_EQ(f.Position, 7);
    // The comparison of the last run, 49/50, with the last draw.
    EXPECT_EQ(f.Gewinn, 2);
    EXPECT_EQ(f.Treffer, (std::array<bool, 9>{false, true, true, false, false, false, false, false, false}));
    EXPECT_FALSE(f.Zusatz);
    EXPECT_FALSE(f.Super);

    period(2025, 1, 6, 2025, 1, 10);  // the last draw is 7, 8, 20, 30, 40
    ASSERT_TRUE(click(&TForm1::Button3Click));
    EXPECT_EQ(f.Zahl, (DrawNumbers{0, 7, 8, 20, 30, 40, 0, 3, 4}));
    EXPECT_EQ(f.Gewinn, 0);  // 48/49/50 against it
    EXPECT_EQ(f.Treffer, (std::array<bool, 9>{}));
}

TEST_F(GroupCharts, AnEmptyPeriodLeavesTheCurrentDrawAlone) {
    history({draw(2025, 1, 10, {7, 8, 20, 30, 40}, 3, 4)});
    period(2025, 1, 10, 2025, 1, 31);  // only the first day holds a draw
    f.Zahl = {0, 1, 2, 3, 4, 5, 0, 1, 2};
    f.Gewinn = 5;
    for (Handler handler : {&TForm1::Button2Click, &TForm1::Button3Click, &TForm1::Button4Click}) {
        f.Chart1->LeftAxis().SetMaximum(300);
        f.Chart1->LeftAxis().SetMinimum(200);
        ASSERT_TRUE(click(handler));
        EXPECT_EQ(nonZeroBars(), std::vector<int>{});
        EXPECT_EQ(left(), (TAxisRange{0, 0}));
        EXPECT_EQ(f.Zahl, (DrawNumbers{0, 1, 2, 3, 4, 5, 0, 1, 2}));
        EXPECT_EQ(f.Gewinn, 5);
    }
    EXPECT_EQ(title(), "Ziehungen : 0        Vierer gefunden!0");
}

TEST_F(GroupCharts, PairsWithTheChosenNumber) {
    history({
        draw(2025, 1, 6, {1, 2, 3, 4, 5}, 1, 2),  // the first day counts here
        draw(2025, 1, 10, {1, 2, 6, 7, 8}, 3, 4),
    });
    f.UpDown21->SetPosition(3);
    ASSERT_TRUE(click(&TForm1::SpeedButton29Click));
    EXPECT_EQ(nonZeroBars(), (std::vector<int>{1, 2, 4, 5}));
    EXPECT_EQ(bar(3), 0);
    EXPECT_EQ(title(), "Max (2,1): 2   Min (9,1): 0   Paare gesamt:40  Max (3,1): 1  Min (3,6): 0  Paare mit 3: 4");
    EXPECT_EQ(left(), (TAxisRange{0, 1}));
    EXPECT_EQ(status(), "31.01.2025");
}

TEST_F(GroupCharts, NextNumberAfter50Is1) {
    history({draw(2025, 1, 10, {1, 2, 6, 7, 50}, 3, 4)});
    f.UpDown21->SetPosition(50);
    ASSERT_TRUE(click(&TForm1::SpeedButton29Click));
    EXPECT_EQ(nonZeroBars(), (std::vector<int>{1, 2, 6, 7}));
    f.BitBtn20->SetTag(0);
    ASSERT_TRUE(click(&TForm1::SpeedButton30Click));
    EXPECT_EQ(f.UpDown21->Position(), 1);
    EXPECT_EQ(f.Edit107->Text(), "1");
    EXPECT_EQ(nonZeroBars(), (std::vector<int>{2, 6, 7, 50}));
    EXPECT_EQ(f.BitBtn20->Tag(), 6);
    ASSERT_TRUE(click(&TForm1::SpeedButton30Click));
    EXPECT_EQ(f.UpDown21->Position(), 2);
}

TEST_F(GroupCharts, AnAbsentNumberStopsThePairsWithChartWithoutFreezingIt) {
    history({draw(2025, 1, 10, {1, 2, 6, 7, 50}, 3, 4)});
    f.UpDown21->SetPosition(1);
    ASSERT_TRUE(click(&TForm1::SpeedButton29Click));
    const std::string shownTitle = title();
    const TAxisRange shownRange = left();
    f.StatusBar1->SetPanelText(0, "vorher");

    f.UpDown21->SetPosition(20);
    ASSERT_TRUE(click(&TForm1::SpeedButton29Click));
    EXPECT_EQ(bars(), std::vector<double>(50, 0));
    EXPECT_EQ(title(), shownTitle);
    EXPECT_EQ(left(), shownRange);
    EXPECT_EQ(status(), "vorher");
    EXPECT_EQ(f.BitBtn20->Tag(), 6);

    // An empty chart before it leaves the axis at 0 .. 0; the next chart
    // with pairs is drawn all the same.
    period(2025, 1, 20, 2025, 1, 6);
    ASSERT_TRUE(click(&TForm1::SpeedButton2Click));
    ASSERT_EQ(left(), (TAxisRange{0, 0}));
    period(2025, 1, 6, 2025, 1, 31);
    f.UpDown21->SetPosition(2);
    ASSERT_TRUE(click(&TForm1::SpeedButton29Click));
    EXPECT_EQ(left(), (TAxisRange{0, 1}));
    EXPECT_EQ(title(), "Max (2,1): 1   Min (3,1): 0   Paare gesamt:20  Max (2,1): 1  Min (2,3): 0  Paare mit 2: 4");
    EXPECT_EQ(status(), "31.01.2025");
}

TEST_F(GroupCharts, AMissingHistoryEndsInTheErrorBox) {
    for (Handler handler : {&TForm1::Button2Click, &TForm1::Button3Click, &TForm1::Button4Click,
                            &TForm1::SpeedButton29Click}) {
        h.platform.answerMessage(IDOK);
        EXPECT_FALSE(click(handler));
        EXPECT_EQ(h.platform.messages.back().text, "E/A-Fehler 2");
        EXPECT_EQ(Application->ScreenCursor(), crDefault);
    }
}

} // namespace
