#include "evaluation/GridEvaluation.h"

#include "EvaluationWindow.h"

#include <gtest/gtest.h>

using GridEvaluation = EvaluationWindow;

namespace {

using Texts = std::array<std::string, 7>;

}  // namespace

TEST(GridRow, ReadsSumsAndSortsItsNumbers) {
    const std::string t[5] = {"7", "3", "45", "12", "30"};
    RowNumbers n{};
    ASSERT_TRUE(ReadRowNumbers({&t[0], &t[1], &t[2], &t[3], &t[4]}, n));
    EXPECT_EQ(CrossSum(n), 97);
    SortAscending(n);
    EXPECT_EQ(n, (RowNumbers{3, 7, 12, 30, 45}));

    const std::string gap[5] = {"7", "3", "", "12", "30"};
    EXPECT_FALSE(ReadRowNumbers({&gap[0], &gap[1], &gap[2], &gap[3], &gap[4]}, n));
}

TEST(GridRow, ResultTextNamesTheStarsHit) {
    EXPECT_EQ(GridResultText(2, false, false, "S1", "S2"), "2");
    EXPECT_EQ(GridResultText(2, true, false, "S1", "S2"), "2 + S1");
    EXPECT_EQ(GridResultText(0, false, true, "S1", "S2"), "0 + S2");
    EXPECT_EQ(GridResultText(1, true, true, "S1", "S2"), "1 + S1 + S2");
}

// Drawn 3 14 22 30 41, stars 2 and 9.
TEST_F(GridEvaluation, SortsMarksCountsAndReturnsTheBestCode) {
    setRow(1, {"30", "3", "8", "50", "15", "2", "5"});   // 2 + S1: wins, 201
    setRow(2, {"3", "5", "6", "7", "8", "9", "2"});      // 1 + both stars: wins, 111
    setRow(3, {"8", "7", "6", "5", "3", "2", ""});       // 1 + S1: no win, 101
    setRow(4, {"14", "22", "1", "2", "4", "", ""});      // 2 on numbers alone: wins, 200

    EXPECT_EQ(f.Komplettcheck(), 201);

    const TipRow& r1 = f.Row(0);
    EXPECT_EQ(rowTexts(1), (Texts{"3", "8", "15", "30", "50", "2", "5"}));
    EXPECT_EQ(r1.CrossSum->Caption(), "106");
    const TColor lime = clLime, white = clWindow;
    const TColor expected1[7] = {lime, white, white, lime, white, lime, white};
    for (size_t i = 0; i < 7; ++i) EXPECT_EQ(r1.Edits[i]->Color(), expected1[i]) << "edit " << i;
    EXPECT_EQ(r1.Result->Caption(), "2 + S1");
    EXPECT_EQ(r1.Result->Font().Color, clRed);

    EXPECT_EQ(f.Row(1).Result->Caption(), "1 + S1 + S2");
    EXPECT_EQ(f.Row(1).Result->Font().Color, clRed);
    EXPECT_EQ(f.Row(1).Star1()->Color(), clLime);
    EXPECT_EQ(f.Row(1).Star2()->Color(), clLime);

    EXPECT_EQ(rowTexts(3), (Texts{"3", "5", "6", "7", "8", "2", ""}));
    EXPECT_EQ(f.Row(2).Result->Caption(), "1 + S1");
    EXPECT_EQ(f.Row(2).Result->Font().Color, clBlack);
    EXPECT_EQ(f.Row(2).Number(0)->Color(), clLime);

    EXPECT_EQ(f.Row(3).Result->Caption(), "2");
    EXPECT_EQ(f.Row(3).Result->Font().Color, clRed);

    EXPECT_EQ(h.platform.sounds, std::vector<std::string>(3, winSound()));
    EXPECT_EQ(f.Statistik[2][1], 1);
    EXPECT_EQ(f.Statistik[1][2], 1);
    EXPECT_EQ(f.Statistik[1][1], 1);
    EXPECT_EQ(f.Statistik[2][0], 1);
    EXPECT_EQ(tipsCounted(), 4);
}

TEST_F(GridEvaluation, AnIncompleteRowIsLeftOutButKeepsItsCrossSum) {
    setRow(1, {"3", "14", "22", "30", "41", "2", "9"});
    EXPECT_EQ(f.Komplettcheck(), 511);
    ASSERT_EQ(f.Row(0).CrossSum->Caption(), "110");

    f.Row(0).Number(2)->SetText("");
    setRow(2, {"50", "x", "1", "2", "4", "2", "9"});
    EXPECT_EQ(f.Komplettcheck(), 0);
    for (int row : {0, 1}) {
        const TipRow& r = f.Row(row);
        EXPECT_EQ(r.Result->Caption(), "") << row;
        for (TEdit* e : r.Edits) EXPECT_EQ(e->Color(), clWindow) << row << " " << e->Name();
    }
    EXPECT_EQ(f.Row(0).CrossSum->Caption(), "110");
    EXPECT_EQ(f.Row(1).CrossSum->Caption(), "");
    EXPECT_EQ(rowTexts(2)[0], "50");  // not sorted
    EXPECT_EQ(tipsCounted(), 0);
}

TEST_F(GridEvaluation, AClosedGateOnlyClearsTheHitTable) {
    setRow(1, {"30", "3", "8", "50", "15", "2", "5"});
    f.Row(0).Result->SetCaption("old");
    f.Statistik[3][1] = 5;
    f.sortieren = false;

    EXPECT_EQ(f.Komplettcheck(), 0);
    EXPECT_EQ(tipsCounted(), 0);
    EXPECT_EQ(rowTexts(1)[0], "30");
    EXPECT_EQ(f.Row(0).Result->Caption(), "old");
    EXPECT_EQ(f.Row(0).Number(1)->Color(), clWindow);
    EXPECT_TRUE(h.platform.sounds.empty());
}

TEST_F(GridEvaluation, LeavingATipEditEvaluatesOnlyWithTheGateOpen) {
    setRow(12, {"41", "30", "1", "2", "4", "5", "9"});
    TEdit* star = f.Row(11).Star1();
    f.Statistik[0][0] = 7;
    f.sortieren = false;
    star->DoExit();
    EXPECT_EQ(f.Statistik[0][0], 7);
    EXPECT_EQ(f.Row(11).Result->Caption(), "");

    f.sortieren = true;
    star->DoExit();
    EXPECT_EQ(f.Row(11).Result->Caption(), "2 + S2");
    EXPECT_EQ(rowTexts(12)[0], "1");
    EXPECT_EQ(f.Statistik[2][1], 1);
    EXPECT_EQ(h.platform.sounds.size(), 1u);
}

TEST_F(GridEvaluation, ADrawThatRepeatsANumberStaysInsideTheHitTable) {
    setDraw({7, 7, 12, 30, 45}, 1, 2);
    setRow(1, {"7", "7", "12", "30", "45", "1", "2"});
    EXPECT_EQ(f.Komplettcheck(), 711);
    EXPECT_EQ(f.Row(0).Result->Caption(), "7 + S1 + S2");
    EXPECT_EQ(f.Statistik[6][2], 1);
    EXPECT_EQ(tipsCounted(), 1);
}
