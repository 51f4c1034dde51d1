// The counting of the statistics charts, without a window.

#include "draws/DrawStatistics.h"
#include "support/DrawFixtures.h"

#include <gtest/gtest.h>

namespace {

DrawRecord withSlot(DrawRecord r, int slot, int value) {
    r.Slot[slot - 1] = static_cast<uint8_t>(value);
    return r;
}

DrawNumbers numbersOf(const DrawRecord& r) {
    TDateTime date = 0;
    DrawNumbers zahl{};
    LoadDraw(r, date, zahl);
    return zahl;
}

} // namespace

TEST(ChartPeriod, FirstDayCountedOnlyWhereAsked) {
    const TDateTime start = EncodeDate(2025, 1, 7), end = EncodeDate(2025, 1, 17);
    struct Case {
        TDateTime date;
        bool withFirstDay, withoutFirstDay;
    } cases[] = {
        {start - 1, false, false}, {start, true, false}, {start + 3, true, true},
        {end, true, true},         {end + 1, false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ((ChartPeriod{start, end, true}.Contains(c.date)), c.withFirstDay) << c.date - start;
        EXPECT_EQ((ChartPeriod{start, end, false}.Contains(c.date)), c.withoutFirstDay) << c.date - start;
    }
    EXPECT_FALSE((ChartPeriod{end, start, true}.Contains(start)));
}

TEST(DrawValidity, NumbersAndStarsOutsideTheirRangesAreNoDraw) {
    const DrawRecord ok = draw(2025, 1, 7, {1, 12, 23, 34, 50}, 1, 12);
    struct Case {
        int slot, value;
        bool mainValid, allValid;
    } cases[] = {
        {1, 0, false, false},  {5, 51, false, false}, {3, 255, false, false},
        {7, 0, true, false},   {8, 13, true, false},  {6, 7, true, true},  // slot 6 is no number
    };
    EXPECT_TRUE(HasValidMainNumbers(ok));
    EXPECT_TRUE(HasValidNumbersAndStars(ok));
    for (const Case& c : cases) {
        const DrawRecord r = withSlot(ok, c.slot, c.value);
        EXPECT_EQ(HasValidMainNumbers(r), c.mainValid) << c.slot << "=" << c.value;
        EXPECT_EQ(HasValidNumbersAndStars(r), c.allValid) << c.slot << "=" << c.value;
    }
}

TEST(DrawStatistics, PrimesBelow50) {
    std::vector<int> primes;
    for (int n = 0; n <= 51; ++n)
        if (IsPrimeBelow50(n)) primes.push_back(n);
    EXPECT_EQ(primes, (std::vector<int>{2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47}));
}

TEST(DrawStatistics, MeanCrossSumRoundsHalvesToEven) {
    struct Case {
        double total, draws;
        int64_t mean;
    } cases[] = {{382, 3, 127}, {381, 2, 190}, {383, 2, 192}, {150, 1, 150}, {385, 2, 192}};
    for (const Case& c : cases) EXPECT_EQ(MeanCrossSum(c.total, c.draws), c.mean) << c.total << "/" << c.draws;
}

TEST(DrawStatistics, CrossSumIgnoresSlot6) {
    const DrawRecord legacy = withSlot(draw(2010, 1, 1, {46, 47, 48, 49, 50}, 1, 2), 6, 200);
    EXPECT_EQ(CrossSum(legacy), 240);
    CrossSumCounts sums;
    sums.Add(legacy);
    EXPECT_EQ(sums.Count[240], 1);
    EXPECT_EQ(sums.Smallest, 240);
    EXPECT_EQ(sums.Largest, 240);
}

// Ten draws: the first one holds 1..5 and the stars 1, 2, the other nine
// 10, 20, 30, 40 and 45 (the last one 50 instead of 45) with the stars 3, 4.
class OverdueTen : public ::testing::Test {
protected:
    std::vector<DrawRecord> draws() const {
        const TDateTime first = EncodeDate(2025, 1, 3);
        std::vector<DrawRecord> d{MakeDrawRecord(first, {1, 2, 3, 4, 5}, 1, 2)};
        for (int j = 1; j < 9; ++j) d.push_back(MakeDrawRecord(first + 7 * j, {10, 20, 30, 40, 45}, 3, 4));
        d.push_back(MakeDrawRecord(first + 63, {10, 20, 30, 40, 50}, 3, 4));
        return d;
    }
};

TEST_F(OverdueTen, NumbersWaitSinceTheirLastDraw) {
    OverdueNumbers overdue;
    for (const DrawRecord& r : draws()) overdue.Add(r);
    EXPECT_EQ(overdue.Count[50], 1);  // in the last draw
    EXPECT_EQ(overdue.Count[45], 2);
    EXPECT_EQ(overdue.Count[1], 10);  // only in the first draw
    EXPECT_EQ(overdue.Count[7], 11);  // never drawn
}

TEST_F(OverdueTen, StarsWaitFromZeroAndOnlyUpToTheStarMaximum) {
    struct Case {
        int starMax;
        int star1, star3, star11, star12;
    } cases[] = {{12, 10, 1, 10, 10}, {11, 10, 1, 10, 0}};
    for (const Case& c : cases) {
        OverdueStars overdue(c.starMax);
        for (const DrawRecord& r : draws()) overdue.Add(r);
        EXPECT_EQ(overdue.Count[1], c.star1) << c.starMax;
        EXPECT_EQ(overdue.Count[3], c.star3) << c.starMax;
        EXPECT_EQ(overdue.Count[11], c.star11) << c.starMax;
        EXPECT_EQ(overdue.Count[12], c.star12) << c.starMax;
    }
    // Above the star maximum a drawn star shows 1 and never waits.
    OverdueStars elevenStars(11);
    elevenStars.Add(draw(2025, 1, 3, {1, 2, 3, 4, 5}, 12, 1));
    elevenStars.Add(draw(2025, 1, 7, {1, 2, 3, 4, 5}, 2, 1));
    EXPECT_EQ(elevenStars.Count[12], 1);
    EXPECT_EQ(elevenStars.Count[2], 1);
    EXPECT_EQ(elevenStars.Count[3], 2);
}

TEST(RunCounting, RunsOfADrawAsTheTipComparisonFindsThem) {
    const DrawNumbers zahl = numbersOf(draw(2025, 1, 7, {21, 3, 20, 5, 4}, 1, 2));
    struct Case {
        RunShape shape;
        std::vector<int> firsts;
    } cases[] = {{kPairRuns, {3, 4, 20}}, {kTripleRuns, {3}}, {kQuadRuns, {}}};
    for (const Case& c : cases) {
        RunCounts runs(c.shape);
        runs.AddDraw([&](int first) { return RunHits(zahl, first, c.shape.Length); });
        std::vector<int> found;
        for (int i = 0; i <= kHighestNumber; ++i)
            if (runs.Count[static_cast<size_t>(i)] > 0) found.push_back(i);
        EXPECT_EQ(found, c.firsts) << c.shape.Length;
        EXPECT_EQ(runs.RunsFound, static_cast<int>(c.firsts.size()));
        EXPECT_EQ(runs.Draws, 1);
    }
}

TEST(RunCounting, RunsAtTheTopOfTheRange) {
    const DrawNumbers zahl = numbersOf(draw(2025, 1, 7, {47, 48, 49, 50, 1}, 1, 2));
    EXPECT_EQ(RunHits(zahl, 49, 2), 2);  // the pair 49/50
    EXPECT_EQ(RunHits(zahl, 48, 3), 3);  // the triple 48/49/50
    EXPECT_EQ(RunHits(zahl, 47, 4), 4);
    EXPECT_EQ(RunHits(zahl, 48, 4), 3);  // 48..51 can never be drawn
    EXPECT_EQ(RunHits(zahl, 50, 2), 1);
}

TEST(PairCounting, MatrixIsSymmetricWithAnEmptyDiagonal) {
    PairMatrix m;
    m.Add(draw(2025, 1, 7, {1, 2, 3, 4, 5}, 1, 2));
    m.Add(draw(2025, 1, 10, {2, 1, 6, 7, 8}, 1, 2));
    EXPECT_EQ(m.Cell[1][2], 2);
    EXPECT_EQ(m.Cell[2][1], 2);
    EXPECT_EQ(m.Cell[3][1], 1);
    EXPECT_EQ(m.Cell[3][6], 0);
    for (int n = 0; n <= kHighestNumber; ++n) EXPECT_EQ(m.Cell[n][n], 0);
}

TEST(PairCounting, SummaryScansColumnByColumnAndTheFirstPlaceWins) {
    PairMatrix m;
    m.Add(draw(2025, 1, 7, {1, 2, 3, 4, 5}, 1, 2));
    m.Add(draw(2025, 1, 10, {1, 2, 6, 7, 8}, 1, 2));
    const PairsWithSummary s = SummarisePairs(m, 3);
    // The pair {1, 2} is the most frequent and is reported at (2, 1); the
    // first cell of 0 off the diagonal is (9, 1).
    EXPECT_EQ(s.Largest, 2);
    EXPECT_EQ(std::pair(s.LargestRow, s.LargestColumn), std::pair(2, 1));
    EXPECT_EQ(s.Smallest, 0);
    EXPECT_EQ(std::pair(s.SmallestRow, s.SmallestColumn), std::pair(9, 1));
    EXPECT_EQ(s.Total, 40);  // 20 per draw
    EXPECT_EQ(s.LargestWith, 1);
    EXPECT_EQ(s.LargestWithRow, 1);
    EXPECT_EQ(s.SmallestWith, 0);
    EXPECT_EQ(s.SmallestWithRow, 6);
    EXPECT_EQ(s.ColumnTotal, 4);  // 4 per draw that holds 3
}

TEST(PairCounting, SmallestWithTheChosenNumberIsNeverTheNumberItself) {
    // Every number meets 1, 2 to 4 twice, so the only 0 of column 1 is its
    // diagonal, and the least frequent partner of 1 is 5.
    PairMatrix m;
    for (int j = 0; j < 12; ++j) m.Add(draw(2025, 1, 1 + j, {1, 2 + 4 * j, 3 + 4 * j, 4 + 4 * j, 5 + 4 * j}, 1, 2));
    m.Add(draw(2025, 1, 20, {1, 50, 2, 3, 4}, 1, 2));
    const PairsWithSummary s = SummarisePairs(m, 1);
    EXPECT_EQ(s.SmallestWith, 1);
    EXPECT_EQ(s.SmallestWithRow, 5);
    EXPECT_EQ(s.LargestWith, 2);
    EXPECT_EQ(s.LargestWithRow, 2);
    EXPECT_EQ(s.ColumnTotal, 4 * 13);
}
