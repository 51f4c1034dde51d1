#include "evaluation/TipComparison.h"

#include "EvaluationWindow.h"

#include <gtest/gtest.h>

namespace {

// Drawn 3 14 22 30 41, stars 3 and 9.
const DrawNumbers kDraw = {0, 3, 14, 22, 30, 41, 0, 3, 9};

struct ComparisonCase {
    const char* what;
    std::array<std::string, 7> tip;
    int gewinn;
    std::array<bool, 6> treffer;  // [1..5]
    bool zusatz, super;
};

TipOutcome compare(const std::array<std::string, 7>& t, const DrawNumbers& draw = kDraw) {
    return CompareTip({&t[0], &t[1], &t[2], &t[3], &t[4], &t[5], &t[6]}, draw);
}

}  // namespace

TEST(TipComparison, CountsHitsInTheOrderOfItsTests) {
    const bool F = false, T = true;
    const ComparisonCase cases[] = {
        {"all drawn", {"3", "14", "22", "30", "41", "3", "9"}, 5, {F, T, T, T, T, T}, T, T},
        {"stars in the other order", {"1", "2", "4", "5", "6", "9", "3"}, 0, {}, T, T},
        {"both stars empty", {"3", "14", "1", "2", "4", "", ""}, 2, {F, T, T, F, F, F}, F, F},
        // The second star ends the comparison before the first meets star 2.
        {"first star only meets star 1", {"1", "2", "4", "5", "6", "9", ""}, 0, {}, F, F},
        {"first star hits star 1", {"1", "2", "4", "5", "6", "3", ""}, 0, {}, T, F},
        {"a number equal to a drawn star", {"9", "1", "2", "4", "5", "1", "2"}, 0, {}, F, F},
        {"a star equal to a drawn number", {"1", "2", "4", "5", "6", "14", "22"}, 0, {}, F, F},
        {"a repeated tip number counts twice", {"14", "14", "1", "2", "4", "", ""}, 2, {F, T, T, F, F, F}, F, F},
        {"equal stars, drawn", {"1", "2", "4", "5", "6", "9", "9"}, 0, {}, T, T},
        // Only texts 1 and 2 meet the first drawn number: 14 is not found.
        {"third number empty", {"3", "14", "", "30", "41", "3", "9"}, 1, {F, T, F, F, F, F}, F, F},
        {"first number empty", {"", "14", "22", "30", "41", "3", "9"}, 0, {}, F, F},
        {"not an integer", {"3", "x", "22", "30", "41", "3", "9"}, 1, {F, T, F, F, F, F}, F, F},
        {"zero matches nothing", {"0", "0", "0", "0", "0", "0", "0"}, 0, {}, F, F},
        {"the runtime's integer syntax", {" 3", "$E", "+22", "1", "2", "3", "9"}, 3, {F, T, T, T, F, F}, T, T},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const TipOutcome out = compare(c.tip);
        EXPECT_EQ(out.Gewinn, c.gewinn);
        for (size_t p = 1; p <= 5; ++p) EXPECT_EQ(out.Treffer[p], c.treffer[p]) << "position " << p;
        EXPECT_EQ(out.Zusatz, c.zusatz);
        EXPECT_EQ(out.Super, c.super);
    }
}

TEST(TipComparison, ADrawThatRepeatsANumberCountsEachOccurrence) {
    const DrawNumbers draw = {0, 7, 7, 12, 30, 45, 0, 1, 2};
    const TipOutcome out = compare({"7", "7", "12", "30", "45", "1", "2"}, draw);
    EXPECT_EQ(out.Gewinn, 7);
}

struct HitCase {
    int gewinn;
    bool zusatz, super;
    int code;
    bool wins;
};

// The history filters compare numbers; for valid numbers that is the same.
TEST(TipComparison, NumbersCompareAsTheirTextsDo) {
    const std::array<int, 7> tips[] = {
        {3, 14, 22, 30, 41, 3, 9}, {1, 2, 4, 5, 6, 9, 3}, {3, 3, 7, 8, 10, 9, 9}, {0, 14, 0, 0, 0, 0, 0}, {9, 1, 2, 4, 5, 11, 12}};
    for (const auto& tip : tips) {
        std::array<std::string, 7> texts;
        for (size_t i = 0; i < 7; ++i) texts[i] = std::to_string(tip[i]);
        TipOutcome a = compare(texts), b = CompareTipNumbers(tip, kDraw);
        EXPECT_EQ(a.Gewinn, b.Gewinn) << tip[0];
        EXPECT_EQ(a.Treffer, b.Treffer) << tip[0];
        EXPECT_EQ(a.Zusatz, b.Zusatz) << tip[0];
        EXPECT_EQ(a.Super, b.Super) << tip[0];
    }
}

TEST(TipComparison, HitCodeAndWinRule) {
    const HitCase cases[] = {
        {1, true, true, 111, true},    {0, true, true, 11, false},   {2, false, true, 210, true},
        {1, true, false, 101, false},  {1, false, true, 110, false}, {2, false, false, 200, true},
        {2, true, false, 201, true},   {5, true, true, 511, true},   {0, false, false, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.code);
        EXPECT_EQ(HitCode(c.gewinn, c.zusatz, c.super), c.code);
        EXPECT_EQ(IsWin(c.gewinn, c.zusatz, c.super), c.wins);
    }
}

TEST(TipComparison, HitTableCountsMoreThanSixHitsWithTheSixes) {
    HitTable table;
    for (auto& row : table)
        for (int& cell : row) cell = 99;
    ClearHitTable(table);
    CountTip(table, 2, true, false);
    CountTip(table, 1, true, true);
    CountTip(table, 7, false, false);
    CountTip(table, 25, true, true);
    for (int m = 0; m < 7; ++m)
        for (int s = 0; s < 3; ++s) {
            const bool counted = (m == 2 && s == 1) || (m == 1 && s == 2) || (m == 6 && (s == 0 || s == 2));
            EXPECT_EQ(table[m][s], counted ? 1 : 0) << m << "," << s;
        }
}

using Zettelcheck = EvaluationWindow;

TEST_F(Zettelcheck, LeavesItsOutcomeInTheWindowsFields) {
    setDraw({3, 14, 22, 30, 41}, 3, 9);
    f.Zettelcheck("3", "1", "30", "2", "4", "9", "");
    EXPECT_EQ(f.Gewinn, 2);
    EXPECT_TRUE(f.Treffer[1]);
    EXPECT_FALSE(f.Treffer[2]);
    EXPECT_TRUE(f.Treffer[3]);
    EXPECT_FALSE(f.Zusatz);
    EXPECT_FALSE(f.Super);

    // Every comparison starts from nothing.
    f.Zettelcheck("", "14", "22", "30", "41", "3", "9");
    EXPECT_EQ(f.Gewinn, 0);
    for (size_t p = 1; p <= 5; ++p) EXPECT_FALSE(f.Treffer[p]);

    f.Zettelcheck("1", "2", "4", "5", "6", "9", "3");
    EXPECT_TRUE(f.Zusatz);
    EXPECT_TRUE(f.Super);
}
