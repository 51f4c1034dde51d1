// The row tests and the star choice of the tip calculation.

#include "generator/CalculationWindow.h"
#include "generator/RowTests.h"
#include "platform/rtl/Random.h"

namespace {

TEST(RowTests, GroupRulesAsTheCasesSay) {
    struct Case {
        SortedNumbers numbers;
        bool pair, runOfThree;
    };
    const Case cases[] = {
        {{4, 9, 22, 23, 41}, true, false},
        {{2, 4, 6, 8, 10}, false, false},  // a star 11 never completes a pair
        {{10, 11, 30, 31, 45}, true, false},
        {{10, 11, 12, 30, 45}, true, true},
        {{5, 20, 33, 48, 49}, true, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HasPair(c.numbers), c.pair) << c.numbers[0];
        EXPECT_EQ(HasRunOfThree(c.numbers), c.runOfThree) << c.numbers[0];
    }
    EXPECT_EQ(CountEven({2, 4, 5, 7, 10}), 3);
    EXPECT_EQ(CountOdd({2, 4, 5, 7, 10}), 2);
    // Five primes and a prime first star; the second star is not counted.
    EXPECT_EQ(CountPrimes({2, 3, 5, 7, 11, 13, 17}), 6);
    EXPECT_EQ(CountPrimes({2, 3, 5, 7, 11, 12, 13}), 5);
    EXPECT_EQ(CountPrimes({1, 4, 6, 8, 9, 10, 2}), 0);
}

TEST(RowTests, AgreementWithAndWithoutTheLimitForEachTip) {
    std::vector<TableTip> table = {{3, 8, 15, 27, 44}, {1, 2, 4, 5, 6}};
    SortedNumbers sharesThree{3, 8, 15, 30, 40};
    int common = 0;
    AgreementLimits eachTip{true, true, 2, true, 0};
    EXPECT_FALSE(AgreesWithEarlierTips(sharesThree, table, 1, eachTip, common));
    EXPECT_EQ(common, 3);
    AgreementLimits some{false, true, 2, true, 0};
    // Without the limit per tip one earlier tip with at most two shared is enough.
    EXPECT_FALSE(AgreesWithEarlierTips(sharesThree, table, 1, some, common));
    EXPECT_TRUE(AgreesWithEarlierTips(sharesThree, table, 2, some, common));
    // The least agreement needs one tip that shares enough.
    AgreementLimits least{false, false, 5, true, 3};
    EXPECT_TRUE(AgreesWithEarlierTips(sharesThree, table, 2, least, common));
    EXPECT_FALSE(AgreesWithEarlierTips({30, 31, 32, 33, 34}, table, 2, least, common));
}

TEST(RowTests, LooseningMarksAreMetOnlyExactly) {
    struct Case {
        int attempts, budget;
        bool untick;
        int history, second, last;
    };
    const Case cases[] = {
        {12500, 25000, true, -1, -1, -1}, {5000, 25000, false, 6, -1, -1}, {15000, 25000, false, -1, 2, 1},
        {20000, 25000, false, -1, 3, 2},  {5001, 25000, false, -1, -1, -1}, {500, 1000, true, -1, -1, -1},
    };
    for (const Case& c : cases) {
        Loosening l = LooseningAt(c.attempts, c.budget);
        EXPECT_EQ(l.UntickPair, c.untick) << c.attempts;
        EXPECT_EQ(l.History, c.history) << c.attempts;
        EXPECT_EQ(l.SecondLast, c.second) << c.attempts;
        EXPECT_EQ(l.Last, c.last) << c.attempts;
    }
    // A budget of 1000 reaches none of the marks near its end.
    for (int a = 1; a <= 1000; ++a) {
        Loosening l = LooseningAt(a, 1000);
        EXPECT_TRUE(l.History < 0 && l.SecondLast < 0 && l.Last < 0);
    }
}

class HistoryFilters : public CalculationWindow {};

TEST_F(HistoryFilters, TheRecentWindowCountsFourteenDaysPerDraw) {
    start({draw(2024, 2, 2, {1, 2, 3, 40, 41}, 1, 2), draw(2024, 3, 29, {10, 11, 12, 13, 14}, 3, 4)});
    f().DateTimePicker1->SetDate(EncodeDate(2024, 3, 29));
    f().UpDown18->SetPosition(4);
    f().UpDown17->SetPosition(3);
    // 2024-02-02 is 56 days back and outside the window.
    EXPECT_TRUE(f().dreierodervierer(1, 2, 3, 20, 21, 5, 6));
    EXPECT_EQ(f().dfb, EncodeDate(2024, 3, 29));
    EXPECT_FALSE(f().dreierodervierer(10, 11, 12, 20, 21, 5, 6));
    EXPECT_EQ(f().Datum1, EncodeDate(2024, 3, 29));
    f().UpDown18->SetPosition(5);
    EXPECT_FALSE(f().dreierodervierer(1, 2, 3, 20, 21, 5, 6));
}

TEST_F(HistoryFilters, ThePeriodFilterCountsStarsWhenAsked) {
    start({draw(2020, 1, 3, {1, 2, 30, 40, 41}, 7, 8), draw(2024, 3, 29, {10, 11, 12, 13, 14}, 3, 4)});
    f().DateTimePicker2->SetDate(EncodeDate(2019, 1, 1));
    f().DateTimePicker1->SetDate(EncodeDate(2024, 3, 29));
    f().UpDown6->SetPosition(3);
    EXPECT_TRUE(f().Secheroderfuenfer(1, 2, 20, 21, 22, 7, 9));
    f().CheckBox31->SetChecked(true);
    EXPECT_FALSE(f().Secheroderfuenfer(1, 2, 20, 21, 22, 7, 9));
    EXPECT_EQ(f().aktDatum, EncodeDate(2019, 1, 1));
    EXPECT_EQ(f().Series2->Count(), 0);
}

TEST_F(HistoryFilters, LeaveTheLastComparedDrawAlsoBeyondTheFirstReadBlock) {
    auto history = SyntheticHistory(2500, EncodeDate(2025, 2, 11));
    start(history);
    f().DateTimePicker2->SetDate(EncodeDate(2004, 2, 14));
    f().DateTimePicker1->SetDate(history[400].Datum);
    f().UpDown6->SetPosition(7);  // never reached: every draw of the period is compared
    EXPECT_TRUE(f().Secheroderfuenfer(1, 2, 3, 4, 5, 1, 2));
    EXPECT_EQ(f().Datum1, history[400].Datum);
    EXPECT_EQ(f().Zahl[1], history[400].Slot[0]);
}

// The chain on a candidate as the run hands it over: sorted numbers, stars.
class FilterChain : public CalculationWindow {
protected:
    TipRun run;
    void SetUp() override {
        start({draw(2025, 2, 4, {1, 2, 3, 4, 5}, 1, 2), draw(2025, 2, 7, {6, 7, 8, 9, 10}, 3, 4),
               draw(2025, 2, 11, {10, 20, 30, 40, 45}, 3, 7)});
        for (TCheckBox* box : {f().CheckBox3, f().CheckBox24, f().CheckBox27, f().CheckBox8, f().CheckBox18,
                               f().CheckBox4, f().CheckBox5, f().CheckBox23, f().CheckBox9, f().CheckBox28,
                               f().CheckBox25, f().CheckBox26, f().CheckBox22, f().CheckBox31})
            box->SetChecked(false);
        run.LastDraws[0] = {0, 10, 20, 30, 40, 45, 0, 3, 7};
        run.Row = 1;
    }
    bool filters(std::array<int, 5> numbers, int star1, int star2) {
        run.Candidate.Numbers = numbers;
        run.Candidate.Count = 5;
        run.Candidate.Star1 = star1;
        run.Candidate.Star2 = star2;
        return f().Filtercheck(run);
    }
    // A pool of exactly these numbers: every attempt draws them.
    bool attempt(std::array<int, 5> numbers) {
        run.Pool.Clear();
        for (int n : numbers) run.Pool.Append(n);
        run.Candidate.Clear();
        return f().TryCandidate(run);
    }
};

TEST_F(FilterChain, TheTestsAsTheirControlsSay) {
    // The last draw's numbers with its stars counted (test 9).
    f().CheckBox4->SetChecked(true);
    f().UpDown4->SetPosition(1);
    EXPECT_TRUE(filters({10, 11, 12, 13, 14}, 5, 6));
    f().CheckBox31->SetChecked(true);
    EXPECT_FALSE(filters({10, 11, 12, 13, 14}, 7, 8));  // one number and star 1 equal to the last draw's star 2
    f().CheckBox4->SetChecked(false);
    f().CheckBox31->SetChecked(false);
    // Even and odd counts.
    f().CheckBox25->SetChecked(true);
    f().UpDown15->SetPosition(3);
    EXPECT_FALSE(filters({2, 4, 5, 7, 9}, 1, 2));
    EXPECT_TRUE(filters({2, 4, 6, 7, 9}, 1, 2));
    f().CheckBox25->SetChecked(false);
    f().CheckBox26->SetChecked(true);
    f().UpDown16->SetPosition(3);
    EXPECT_FALSE(filters({2, 4, 6, 7, 9}, 1, 2));
    f().CheckBox26->SetChecked(false);
    // Primes: the five numbers and star 1.
    f().CheckBox22->SetChecked(true);
    f().UpDown10->SetPosition(6);
    EXPECT_TRUE(filters({2, 3, 5, 7, 11}, 2, 9));
    EXPECT_FALSE(filters({2, 3, 5, 7, 11}, 1, 9));
}

TEST_F(FilterChain, TheCrossSumWindowTakesBothBounds) {
    f().RadioGroup1->SetItemIndex(0);
    EXPECT_TRUE(attempt({1, 2, 3, 4, 40}));    // 50
    EXPECT_FALSE(attempt({1, 2, 3, 4, 39}));   // 49
    EXPECT_TRUE(attempt({36, 37, 38, 39, 50}));  // 200
    EXPECT_FALSE(attempt({36, 37, 38, 40, 50}));  // 201
    EXPECT_EQ(run.Candidate.Count, 0);  // a rejected candidate is emptied
    EXPECT_EQ(run.Candidate.Star1, 0);
}

TEST_F(FilterChain, RowOneIsComparedWithNoEarlierTip) {
    f().CheckBox27->SetChecked(true);
    f().UpDown3->SetPosition(0);
    run.Table = {{11, 12, 13, 14, 15}, {}};
    run.ListTips = 1;
    run.Row = 1;
    EXPECT_TRUE(attempt({11, 12, 13, 14, 15}));
    run.Row = 2;
    EXPECT_FALSE(attempt({11, 12, 13, 14, 15}));
}

class StarChoice : public CalculationWindow {
protected:
    // Overdue counts of stars 1..12: 7, 3, 7, 1, 1, 2, 2, 3, 4, 4, 5, 5.
    void startWithStarHistory() {
        start({draw(2025, 1, 21, {1, 2, 3, 4, 5}, 1, 3), draw(2025, 1, 24, {1, 2, 3, 4, 5}, 6, 9),
               draw(2025, 1, 28, {1, 2, 3, 4, 5}, 11, 12), draw(2025, 1, 31, {1, 2, 3, 4, 5}, 9, 10),
               draw(2025, 2, 4, {1, 2, 3, 4, 5}, 2, 8), draw(2025, 2, 7, {1, 2, 3, 4, 5}, 6, 7),
               draw(2025, 2, 11, {1, 2, 3, 4, 5}, 4, 5)});
        f().DateTimePicker2->SetDate(EncodeDate(2025, 1, 1));
        f().LaufMax = 100000;
    }
    std::pair<int, int> choose() {
        TipRun run;
        f().Sternesetzen(run);
        return {run.Candidate.Star1, run.Candidate.Star2};
    }
};

TEST_F(StarChoice, LongestOverdueForBothStars) {
    startWithStarHistory();
    f().RadioGroup1->SetItemIndex(2);
    f().RadioGroup2->SetItemIndex(2);
    EXPECT_EQ(choose(), std::make_pair(1, 3));
}

TEST_F(StarChoice, LeastDrawnForBothStars) {
    startWithStarHistory();
    f().RadioGroup1->SetItemIndex(1);
    f().RadioGroup2->SetItemIndex(1);
    // Drawn twice: 6 and 9; every other star once. The highest least drawn first.
    EXPECT_EQ(choose(), std::make_pair(11, 12));
}

TEST_F(StarChoice, RandomStarsStayWithinTheMaximumAndAvoidTheLastDraw) {
    startWithStarHistory();
    f().SternenzahlMax = 11;
    f().CheckBox16->SetChecked(true);
    f().CheckBox17->SetChecked(true);
    RandSeed = 3;
    for (int i = 0; i < 300; ++i) {
        auto [s1, s2] = choose();
        EXPECT_GE(s1, 1);
        EXPECT_LT(s1, s2);
        EXPECT_LE(s2, 11);
        for (int s : {s1, s2}) EXPECT_TRUE(s != 4 && s != 5) << s;
    }
}

TEST_F(StarChoice, AnExcludedLongestOverdueStarSpendsTheBudget) {
    start({draw(2025, 2, 11, {1, 2, 3, 4, 5}, 4, 5)});
    f().DateTimePicker2->SetDate(EncodeDate(2025, 1, 1));
    f().RadioGroup1->SetItemIndex(2);
    f().CheckBox16->SetChecked(true);
    f().UpDown19->SetPosition(3);
    f().LaufMax = 50;
    TipRun run;
    f().Sternesetzen(run);
    EXPECT_EQ(run.Attempts, 51);
    EXPECT_EQ(run.Candidate.Star1, 0);
}

TEST_F(StarChoice, NoSelectedOptionReadsAsTheRandomChoice) {
    startWithStarHistory();
    f().RadioGroup1->SetItemIndex(-1);
    f().RadioGroup2->SetItemIndex(-1);
    auto [s1, s2] = choose();
    EXPECT_GE(s1, 1);
    EXPECT_GT(s2, s1);
}

}  // namespace
