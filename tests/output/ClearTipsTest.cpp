// Clearing the tips of the current view.

#include "TipWindow.h"

namespace {

const std::array<std::string, 7> kTip = {"3", "14", "27", "38", "49", "2", "11"};

}  // namespace

class ClearTips : public TipWindow {
protected:
    ClearTips() {
        for (int row = 1; row <= 12; ++row) {
            setRow(row, kTip);
            const TipRow& r = f.Row(row - 1);
            r.Number(0)->SetColor(clLime);
            r.Result->SetCaption("3+1");
            r.Result->SetFontColor(clRed);
            r.CrossSum->SetCaption("131");
        }
    }
    void expectRowKept(int row) {
        const TipRow& r = f.Row(row - 1);
        EXPECT_EQ(rowTexts(row), kTip) << row;
        EXPECT_EQ(r.Number(0)->Color(), clLime) << row;
        EXPECT_EQ(r.Result->Caption(), "3+1") << row;
        EXPECT_EQ(r.CrossSum->Caption(), "131") << row;
    }
};

TEST_F(ClearTips, NoKeepsEveryTip) {
    h.platform.answerMessage(IDNO);
    f.SpeedButton11->Click();

    ASSERT_EQ(h.platform.messages.size(), 1u);
    EXPECT_EQ(h.platform.messages[0].text, f.Meldung(71));
    EXPECT_EQ(h.platform.messages[0].caption, f.Meldung(72));
    EXPECT_EQ(h.platform.messages[0].flags, MB_YESNO);
    for (int row = 1; row <= 12; ++row) expectRowKept(row);
}

TEST_F(ClearTips, YesEmptiesTheUnlockedRowsOnly) {
    lockRow(2);
    lockRow(12);
    h.platform.answerMessage(IDYES);
    f.SpeedButton11->Click();

    for (int row = 1; row <= 12; ++row) {
        if (row == 2 || row == 12) {
            expectRowKept(row);
            EXPECT_EQ(f.Row(row - 1).Label->Font().Color, clRed);
            continue;
        }
        const TipRow& r = f.Row(row - 1);
        EXPECT_TRUE(rowEmpty(row)) << row;
        for (TEdit* edit : r.Edits) EXPECT_EQ(edit->Color(), clWindow) << row;
        EXPECT_EQ(r.Result->Caption(), "") << row;
        EXPECT_EQ(r.Result->Font().Color, clRed) << row;
        EXPECT_EQ(r.CrossSum->Caption(), "") << row;
    }
}

TEST_F(ClearTips, TheListViewEmptiesBothListsAndLeavesTheGrid) {
    lockRow(1);
    showList({"1\t2\t3\t4\t5\t6\t7", "8\t9\t10\t11\t12\t1\t2"});
    f.Gewinne->Items().Add("0");
    f.Gewinne->Items().Add("0");
    h.platform.answerMessage(IDYES);
    f.SpeedButton11->Click();

    EXPECT_EQ(f.Gewinnzahlen->Items().Count(), 0);
    EXPECT_EQ(f.Gewinne->Items().Count(), 0);
    for (int row = 1; row <= 12; ++row) expectRowKept(row);
}

TEST_F(ClearTips, ARunningCalculationClearsWithoutAQuestion) {
    lockRow(5);
    TForm1::LongCommandScope running(f, TForm1::LongCommand::Calculation);
    f.SpeedButton11->Click();

    EXPECT_TRUE(h.platform.messages.empty());
    EXPECT_TRUE(rowEmpty(1));
    expectRowKept(5);
}
