// The number pool: its entries and weights, the bands, and the pool a run
// builds from the options as the review shows it.

#include "generator/CalculationWindow.h"
#include "generator/NumberPool.h"

#include <map>

namespace {

TEST(NumberPool, EntriesWeightsRemovalsAndTheCompactionOrder) {
    NumberPool pool;
    pool.ZahlEintragen(7, 3);
    pool.ZahlEintragen(8, 0);
    pool.ZahlEintragen(9, -1);
    EXPECT_EQ(pool.Gewichtung(7), 4);
    EXPECT_EQ(pool.Gewichtung(8), 2);
    EXPECT_EQ(pool.Gewichtung(9), 0);
    pool.ZahlEintragen(11, 2147483647);  // from a damaged value list
    EXPECT_EQ(pool.Gewichtung(11), NumberPool::kMaxWeight + 1);

    NumberPool p;
    for (int n : {1, 2, 3, 4, 5, 6, 2}) p.Append(n);
    p.RemoveAll(2);  // entries 1 and 6 (0-based) removed
    p.RemoveFirst(5);
    p.DropRemoved();
    // Each removed entry takes the last one's place.
    EXPECT_EQ(p.Entries(), (std::vector<uint8_t>{1, 6, 3, 4}));
    p.RemoveBelow(4);
    p.DropRemoved();
    EXPECT_EQ(p.Entries(), (std::vector<uint8_t>{4, 6}));
    EXPECT_EQ(p.DistinctNumbers(), 2);
}

TEST(NumberPool, BandsRoundHalvesToEven) {
    Band top = TopBand(10, 5);  // 10 - 1.5 = 8.5 rounds to 8
    EXPECT_EQ(top.Lower, 8);
    EXPECT_EQ(top.Upper, 10);
    EXPECT_FALSE(top.Takes(8));
    EXPECT_TRUE(top.Takes(9));
    EXPECT_TRUE(top.Takes(10));
    Band flat = TopBand(7, 7);
    EXPECT_FALSE(flat.Takes(7));
    Band bottom = BottomBand(15, 10);  // 10 + 1.5 = 11.5 rounds to 12
    EXPECT_EQ(bottom.Upper, 12);
    EXPECT_FALSE(bottom.Takes(0));
    EXPECT_TRUE(bottom.Takes(12));
    EXPECT_FALSE(bottom.Takes(12.5));
}

// The pool as the review shows it: box n ticked with its weight.
class PoolReview : public CalculationWindow {
protected:
    std::map<int, int> reviewed;  // number -> weight, ticked boxes only

    void review() {
        f().CheckBox20->SetChecked(true);
        h.platform.answerModal([this](TForm&) {
            for (int n = 1; n <= 50; ++n)
                if (Form6->CheckBox(n)->Checked()) reviewed[n] = std::stoi(Form6->CheckBox(n)->Hint());
            Form6->SetModalResult(mrCancel);
        });
        f().BitBtn4->Click();
    }
    void noDefaults() {
        f().CheckBox4->SetChecked(false);
        f().CheckBox10->SetChecked(false);
    }
};

TEST_F(PoolReview, TheBaseSetGivesNumberOneTwice) {
    startWithHistory();
    noDefaults();
    review();
    ASSERT_EQ(reviewed.size(), 50u);
    for (auto [n, weight] : reviewed) EXPECT_EQ(weight, n == 1 ? 2 : 1) << n;
}

TEST_F(PoolReview, ARightPressInThePickerBeforeTheReviewUnticksNothing) {
    startWithHistory();
    noDefaults();
    for (int n = 1; n <= 50; ++n) {
        Form6->TickBox(n, false);
        Form6->CheckBox(n)->SetHint("1");
    }
    Form6->CheckBox(7)->MouseDown(TMouseButton::mbRight, ssRight, 2, 2);
    review();
    EXPECT_EQ(reviewed.size(), 50u);
}

TEST_F(PoolReview, DateNumbersLoseOneEntryEach) {
    startWithHistory();
    noDefaults();
    f().CheckBox30->SetChecked(true);
    review();
    EXPECT_EQ(reviewed[1], 1);
    for (int n = 2; n <= 31; ++n) EXPECT_EQ(reviewed.count(n), 0u) << n;
    for (int n = 32; n <= 50; ++n) EXPECT_EQ(reviewed[n], 1) << n;
}

TEST_F(PoolReview, NeighboursOfTheLastDrawAlone) {
    start({draw(2025, 2, 4, {5, 12, 23, 34, 45}, 3, 9), draw(2025, 2, 7, {6, 13, 24, 35, 46}, 4, 10),
           draw(2025, 2, 11, {1, 2, 30, 49, 50}, 1, 2)});
    noDefaults();
    f().CheckBox15->SetChecked(true);
    f().CheckBox19->SetChecked(true);
    review();
    std::map<int, int> expected{{1, 4}, {2, 4}, {3, 4}, {29, 4}, {31, 4}, {48, 4}, {49, 4}, {50, 4}};
    EXPECT_EQ(reviewed, expected);
}

TEST_F(PoolReview, TheLastDrawsNumbersLeaveThePoolWhenTheirLimitIsZero) {
    start({draw(2025, 2, 4, {5, 12, 23, 34, 45}, 3, 9), draw(2025, 2, 7, {6, 13, 24, 35, 46}, 4, 10),
           draw(2025, 2, 11, {1, 2, 30, 49, 50}, 1, 2)});
    f().CheckBox10->SetChecked(false);
    f().CheckBox23->SetChecked(true);
    f().UpDown11->SetPosition(0);
    review();
    for (int n : {1, 2, 30, 49, 50, 5, 12, 23, 34, 45}) EXPECT_EQ(reviewed.count(n), 0u) << n;
    // The second-last draw's limit is 1: its numbers stay.
    for (int n : {6, 13, 24, 35, 46}) EXPECT_EQ(reviewed[n], 1) << n;
}

TEST_F(PoolReview, TheBoxesWeightsComeBackWithOneEntryMore) {
    startWithHistory();
    for (int n = 1; n <= 50; ++n) Form6->TickBox(n, false);
    const std::pair<int, const char*> boxes[] = {{3, "1"}, {10, "3"}, {20, "0"}};
    for (auto [n, weight] : boxes) {
        Form6->TickBox(n, true);
        Form6->CheckBox(n)->SetHint(weight);
    }
    TipRun run;
    run.Pool.Append(44);
    f().ListeUebernehmen(run);
    EXPECT_EQ(run.Pool.Gewichtung(3), 2);
    EXPECT_EQ(run.Pool.Gewichtung(10), 4);
    EXPECT_EQ(run.Pool.Gewichtung(20), 2);
    EXPECT_EQ(run.Pool.Gewichtung(44), 0);
    EXPECT_EQ(run.Pool.Size(), 8);
}

TEST_F(PoolReview, RetryRebuildsThePoolFromTheBoxesWeights) {
    startWithHistory();
    noDefaults();
    f().CheckBox15->SetChecked(true);
    f().CheckBox20->SetChecked(true);
    // Only two numbers in the review: the rebuilt pool cannot give a tip.
    h.platform.answerModal([](TForm&) {
        for (int n = 1; n <= 50; ++n) Form6->TickBox(n, false);
        Form6->TickBox(10, true);
        Form6->CheckBox(10)->SetHint("3");
        Form6->TickBox(20, true);
        Form6->CheckBox(20)->SetHint("0");
        Form6->SetModalResult(mrRetry);
    });
    f().BitBtn4->Click();
    EXPECT_EQ(f().StatusBar1->Panels(1).Text, "Ändern Sie die Parameter um 12 Tipps zuberechnen");
}

}  // namespace
