// The tip distribution chart: what it counts and what it leaves in the chart.

#include "draws/TipDistribution.h"

#include "draws/ChartFormFixture.h"
#include "draws/ChartHandOver.h"

TEST(TipNumberCount, ListLinesCountTheirFiveNumbersUntilAFieldHasNoCounter) {
    const struct Case {
        const char* line;
        bool goesOn;
        int counted;
    } cases[] = {
        {"1\t2\t3\t4\t5\t6\t7", true, 5},
        {"1\t2\t3\t4\t5\t\t\t6\t7", true, 5},  // as built from the grid
        {"1\t2\t3\t\t\t4\t5\t6\t7", true, 5},
        {"0\t2\t3\t4\t5\t6\t7", true, 5},       // index 0: counted, never shown
        {"1\t2\t3\t4\t5", false, 4},            // no TAB left for the fifth field
        {"1\t2\t99\t4\t5\t6\t7", false, 2},
        {"1\t-1\t3\t4\t5\t6\t7", false, 1},
        {"", false, 0},
    };
    for (const Case& c : cases) {
        TipNumberCount count;
        EXPECT_EQ(count.AddListLine(c.line), c.goesOn) << c.line;
        EXPECT_EQ(count.Total(), c.counted) << c.line;
    }
    TipNumberCount count;
    count.AddListLine("1\t2\t3\t4\t5\t\t\t6\t7");
    count.AddListLine("5\t6\t7\t8\t9\t1\t2");
    EXPECT_EQ(count.Counts()[5], 2);
    EXPECT_EQ(count.Counts()[6], 1);  // the first line's star is not counted
}

namespace {

class TipDistribution : public ChartForm {
protected:
    void setRow(int row, const RowTexts& texts) { SetRowTexts(f, row, texts); }
};

} // namespace

TEST_F(TipDistribution, CountsTheGridRowsUpToTheFirstEmptyOne) {
    setRow(1, {"2", "3", "4", "5", "6", "1", "2"});
    setRow(2, {"2", "10", "20", "30", "40", "1", "2"});
    setRow(3, {"2", "11", "21", "31", "41", "3", "4"});
    setRow(5, {"2", "12", "22", "32", "42", "5", "6"});  // behind the empty row 4
    f.BitBtn20->SetTag(kReplayCrossSums);
    f.StatusBar1->SetPanelText(0, "status");

    ASSERT_TRUE(click(&TForm1::Button6Click));

    ASSERT_EQ(f.Series2->Count(), 50);
    EXPECT_TRUE(f.Series2->Active());
    EXPECT_FALSE(f.Series1->Active());
    double total = 0;
    for (double y : bars()) total += y;
    EXPECT_EQ(total, 15);
    EXPECT_EQ(bar(2), 3);
    EXPECT_EQ(bar(12), 0);
    EXPECT_EQ(f.Series2->ValueColor(1), clRed);    // 2
    EXPECT_EQ(f.Series2->ValueColor(3), clGreen);  // 4
    EXPECT_EQ(left(), (TAxisRange{0, 3}));
    EXPECT_FALSE(f.Chart1->LeftAxis().Automatic());
    EXPECT_EQ(title(), "Zahlenverteilung des Tippes");
    EXPECT_EQ(f.PageControl1->ActivePage(), f.TabSheet5);
    EXPECT_EQ(f.BitBtn20->Tag(), kReplayCrossSums);
    EXPECT_EQ(status(), "status");
    EXPECT_EQ(h.app->ScreenCursor(), crDefault);
}

TEST_F(TipDistribution, InTheListViewCountsTheListUntilALineWithoutCounterAndEmptiesTheResults) {
    f.Gewinnzahlen->SetVisible(true);
    f.Gewinne->SetVisible(true);
    setRow(1, {"7", "8", "9", "10", "11", "1", "2"});  // the grid is not counted
    for (const char* line : {"1\t2\t3\t4\t5\t\t\t1\t2", "1\t2\t3\t4\t6\t3\t4", "1\t99\t3\t4\t5\t1\t2",
                             "1\t2\t3\t4\t5\t1\t2"})
        f.Gewinnzahlen->Items().Add(line);
    f.Gewinne->Items().Add("2+1");

    ASSERT_TRUE(click(&TForm1::Button6Click));

    EXPECT_EQ(f.Gewinne->Items().Count(), 0);
    EXPECT_EQ(bar(1), 3);
    EXPECT_EQ(bar(2), 2);
    EXPECT_EQ(bar(5), 1);
    EXPECT_EQ(bar(7), 0);
    EXPECT_EQ(left(), (TAxisRange{0, 3}));
}
