// Editing the tip grid by hand: edit normalisation, the row editors with the
// number picker and their star filling, the row lock, the lucky number and
// the coupled parameter counters.

#include "generator/GridEditingRules.h"
#include "generator/PickerWindow.h"
#include "platform/rtl/Random.h"

#include <array>
#include <vector>

namespace {

TEST(GridEditingRules, NormalisedTexts) {
    struct Case {
        const char* text;
        int max;
        const char* expected;
    } cases[] = {
        {"0", 50, ""},   {"51", 50, ""}, {"07", 50, "7"}, {"1", 50, "1"},  {"50", 50, "50"},
        {"", 50, ""},    {"-", 50, ""},  {"abc", 50, ""}, {"-3", 50, ""},  {"4x", 50, ""},
        {"12", 12, "12"}, {"12", 11, ""}, {"11", 11, "11"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " / " + std::to_string(c.max));
        EXPECT_EQ(NormalisedTipText(c.text, c.max), c.expected);
    }
}

TEST(GridEditingRules, RowStarsAreDistinctFromOneToEightSmallerFirst) {
    std::array<int, 9> seen{};
    RandSeed = 1;
    for (int i = 0; i < 500; ++i) {
        auto [star1, star2] = DrawRowStars();
        ASSERT_GE(star1, 1);
        ASSERT_LT(star1, star2);
        ASSERT_LE(star2, 8);
        ++seen[static_cast<size_t>(star1)];
        ++seen[static_cast<size_t>(star2)];
    }
    for (int s = 1; s <= 8; ++s) EXPECT_GT(seen[static_cast<size_t>(s)], 0) << s;
}

class GridEditing : public PickerWindow {
protected:
    void setRow(int row, std::array<std::string, 7> texts) {
        for (size_t i = 0; i < 7; ++i) f.Row(row - 1).Edits[i]->SetText(texts[i]);
    }
    std::array<std::string, 7> rowTexts(int row) {
        std::array<std::string, 7> texts;
        for (size_t i = 0; i < 7; ++i) texts[i] = f.Row(row - 1).Edits[i]->Text();
        return texts;
    }
    // The stars that the next star filling draws.
    std::pair<std::string, std::string> nextStars() {
        int32_t seed = RandSeed;
        auto [s1, s2] = DrawRowStars();
        RandSeed = seed;
        return {std::to_string(s1), std::to_string(s2)};
    }
    // Opens the picker from row n's edit button; `during` acts in it.
    void editRow(int row, std::function<void(TForm6&)> during) {
        h.platform.answerModal([during](TForm& form) { during(dynamic_cast<TForm6&>(form)); });
        f.Row(row - 1).EditButton->Click();
    }
    static void userTick(TForm6& p, int n) {
        p.CheckBox(n)->MouseDown(TMouseButton::mbLeft, ssLeft, 2, 2);
        p.CheckBox(n)->Click();
    }
};

TEST_F(GridEditing, EditsKeepValidNumbersOnly) {
    const TipRow& row = f.Row(3);
    row.Number(0)->SetText("0");
    EXPECT_EQ(row.Number(0)->Text(), "");
    row.Number(1)->SetText("51");
    EXPECT_EQ(row.Number(1)->Text(), "");
    row.Number(2)->SetText("07");
    EXPECT_EQ(row.Number(2)->Text(), "7");
    row.Number(3)->SetText("x");
    EXPECT_EQ(row.Number(3)->Text(), "");
    row.Star1()->SetText("12");
    EXPECT_EQ(row.Star1()->Text(), "12");
    f.SternenzahlMax = 11;
    row.Star2()->SetText("12");
    EXPECT_EQ(row.Star2()->Text(), "");
    row.Star2()->SetText("11");
    EXPECT_EQ(row.Star2()->Text(), "11");
    // Every one of the 84 edits is normalised.
    for (const TipRow& r : f.TipRows())
        for (TEdit* e : r.Edits) {
            e->SetText("099");
            EXPECT_EQ(e->Text(), "") << e->Name();
        }
}

TEST_F(GridEditing, FiveTicksFillAnEmptyRowInOrderWithTwoStars) {
    RandSeed = 20250211;
    auto [star1, star2] = nextStars();
    editRow(3, [&](TForm6& p) {
        EXPECT_EQ(p.Caption(), "3.Tipp bearbeiten");
        EXPECT_TRUE(ticked().empty());
        EXPECT_FALSE(p.BitBtn3->Visible());
        EXPECT_TRUE(p.BitBtn4->Visible());
        EXPECT_EQ(p.MaxTipp, 5);
        EXPECT_EQ(p.MaxZahl, 50);
        EXPECT_EQ(p.Zufall, "Zufall");
        EXPECT_EQ(p.Stopp, "Stopp");
        for (int n : {44, 9, 27, 3, 12}) userTick(p, n);
        p.BitBtn1->Click();
    });
    EXPECT_EQ(rowTexts(3), (std::array<std::string, 7>{"3", "9", "12", "27", "44", star1, star2}));
    EXPECT_LT(std::stoi(star1), std::stoi(star2));
    EXPECT_LE(std::stoi(star2), 8);
    // The picker is back in its calculation state; its ticks stay.
    EXPECT_EQ(picker.Caption(), "Zahlen für Berechnung wählen");
    EXPECT_TRUE(picker.BitBtn3->Visible());
    EXPECT_FALSE(picker.BitBtn4->Visible());
    for (int n = 1; n <= 50; ++n) EXPECT_EQ(box(n).Color(), clInfoBk) << n;
    EXPECT_EQ(ticked(), (std::set<int>{3, 9, 12, 27, 44}));
    EXPECT_EQ(h.platform.modalForms, std::vector<std::string>{"Form6"});
}

TEST_F(GridEditing, SevenTicksGiveTheLowestFive) {
    editRow(12, [&](TForm6& p) {
        for (int n : {50, 2, 40, 17, 8, 33, 21}) userTick(p, n);
        p.BitBtn1->Click();
    });
    auto texts = rowTexts(12);
    EXPECT_EQ((std::array<std::string, 5>{texts[0], texts[1], texts[2], texts[3], texts[4]}),
              (std::array<std::string, 5>{"2", "8", "17", "21", "33"}));
}

TEST_F(GridEditing, AbortKeepsTheNumbersAndStillFillsMissingStars) {
    setRow(2, {"4", "15", "23", "38", "49", "", "5"});
    auto [star1, star2] = nextStars();
    editRow(2, [&](TForm6& p) {
        EXPECT_EQ(ticked(), (std::set<int>{4, 15, 23, 38, 49}));
        for (int n : {4, 15, 23, 38, 49}) EXPECT_EQ(p.CheckBox(n)->Color(), clYellow) << n;
        EXPECT_EQ(p.CheckBox(5)->Color(), clInfoBk);
        p.BitBtn2->Click();
    });
    // Star 2 is drawn anew although it held a value.
    EXPECT_EQ(rowTexts(2), (std::array<std::string, 7>{"4", "15", "23", "38", "49", star1, star2}));

    // With star 1 set neither star is touched.
    setRow(5, {"1", "2", "3", "4", "5", "9", ""});
    int32_t seed = RandSeed;
    editRow(5, [](TForm6& p) { p.BitBtn2->Click(); });
    EXPECT_EQ(rowTexts(5), (std::array<std::string, 7>{"1", "2", "3", "4", "5", "9", ""}));
    EXPECT_EQ(RandSeed, seed);
}

TEST_F(GridEditing, FewerThanFiveTicksEmptyTheRestOfTheRow) {
    setRow(7, {"6", "11", "20", "31", "45", "2", "7"});
    editRow(7, [&](TForm6& p) {
        userTick(p, 11);  // unticks
        userTick(p, 45);
        p.BitBtn1->Click();
    });
    EXPECT_EQ(rowTexts(7), (std::array<std::string, 7>{"6", "20", "31", "", "", "2", "7"}));
}

TEST_F(GridEditing, MarkingStopsAtTheFirstEmptyEdit) {
    setRow(9, {"5", "", "7", "", "", "", ""});
    editRow(9, [&](TForm6& p) {
        EXPECT_EQ(ticked(), std::set<int>{5});
        EXPECT_EQ(p.CheckBox(7)->Color(), clInfoBk);
        p.BitBtn2->Click();
    });
    // No fifth number: no stars either.
    EXPECT_EQ(rowTexts(9), (std::array<std::string, 7>{"5", "", "7", "", "", "", ""}));
}

TEST_F(GridEditing, TheRandomPickFillsTheRow) {
    std::set<int> picked;
    editRow(1, [&](TForm6& p) {
        for (int click = 0; click < 6; ++click) {
            p.BitBtn4->Click();
            p.Timer1->Fire();
            p.Timer1->Fire();
        }
        EXPECT_FALSE(p.Timer1->Enabled());
        picked = ticked();
        p.BitBtn1->Click();
    });
    ASSERT_EQ(picked.size(), 5u);
    auto texts = rowTexts(1);
    std::vector<int> numbers;
    for (int i = 0; i < 5; ++i) numbers.push_back(std::stoi(texts[static_cast<size_t>(i)]));
    EXPECT_EQ(std::set<int>(numbers.begin(), numbers.end()), picked);
    EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
    EXPECT_FALSE(texts[5].empty());
    EXPECT_EQ(picker.BitBtn4->Caption(), "Zufall");
}

TEST_F(GridEditing, EveryButtonEditsItsOwnRow) {
    for (int row = 1; row <= 12; ++row) {
        SCOPED_TRACE(row);
        editRow(row, [&](TForm6& p) {
            EXPECT_EQ(p.Caption(), std::to_string(row) + ".Tipp bearbeiten");
            for (int n = row; n < row + 5; ++n) userTick(p, n);
            p.BitBtn1->Click();
        });
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(f.Row(row - 1).Number(i)->Text(), std::to_string(row + i));
    }
}

TEST_F(GridEditing, RowLabelTogglesTheLockAndNothingElse) {
    const TipRow& row = f.Row(4);
    TLabel& label = *row.Label;
    TFont before = label.Font();
    std::string caption = label.Caption(), hint = label.Hint();
    TFont neighbour = f.Row(5).Label->Font();

    label.Click();
    EXPECT_EQ(label.Font().Color, clRed);
    TFont locked = before;
    locked.Color = clRed;
    EXPECT_EQ(label.Font(), locked);
    EXPECT_EQ(label.Caption(), caption);
    EXPECT_EQ(label.Hint(), hint);
    EXPECT_EQ(f.Row(5).Label->Font(), neighbour);

    // A locked row stays locked after editing.
    editRow(5, [](TForm6& p) { p.BitBtn2->Click(); });
    EXPECT_EQ(label.Font().Color, clRed);

    label.Click();
    EXPECT_EQ(label.Font(), before);
    // Any colour other than the window-text colour unlocks.
    label.SetFontColor(clBlue);
    label.Click();
    EXPECT_EQ(label.Font().Color, clWindowText);
}

class LuckyNumber : public GridEditing {
protected:
    std::vector<int32_t> sequence() {
        std::vector<int32_t> values;
        for (int i = 0; i < 8; ++i) values.push_back(Random(1000000));
        return values;
    }
};

TEST_F(LuckyNumber, CancelSeedsTheGeneratorWithTheProposal) {
    RandSeed = 99;
    int32_t proposal = Random(99999);
    RandSeed = 99;
    h.platform.answerInput(std::nullopt);
    f.SpeedButton13->Click();
    EXPECT_EQ(RandSeed, proposal);
    EXPECT_EQ(f.StatusBar1->Panels(1).Text, "Glückszahl " + std::to_string(proposal) + " gesetzt");
    EXPECT_EQ(h.platform.inputPrompts, std::vector<std::string>{"Geben Sie Ihre Glückszahl für den Zufallsgenerator ein!"});
}

TEST_F(LuckyNumber, AnIntegerAnswerIsTheSeedAsItStands) {
    for (std::string answer : {"12", "0", "-5", "123456789"}) {
        SCOPED_TRACE(answer);
        h.platform.answerInput(answer);
        f.SpeedButton13->Click();
        EXPECT_EQ(RandSeed, std::stoi(answer));
        EXPECT_EQ(f.StatusBar1->Panels(1).Text, "Glückszahl " + answer + " gesetzt");
    }
}

TEST_F(LuckyNumber, EqualSeedsGiveEqualSequences) {
    h.platform.answerInput("4711");
    f.SpeedButton13->Click();
    std::vector<int32_t> first = sequence();
    h.platform.answerInput("4711");
    f.SpeedButton13->Click();
    EXPECT_EQ(sequence(), first);
}

TEST_F(LuckyNumber, AnAnswerThatIsNoNumberReseedsFromTheClock) {
    f.StatusBar1->SetPanelText(1, "vorher");
    h.platform.now += 0.25;
    Randomize();
    int32_t fromClock = RandSeed;
    RandSeed = 5;
    h.platform.answerInput("sieben");
    f.SpeedButton13->Click();
    EXPECT_EQ(RandSeed, fromClock);
    EXPECT_EQ(f.StatusBar1->Panels(1).Text, "vorher");
}

TEST_F(GridEditing, EvenAndOddMinimaStayWithinSix) {
    f.UpDown16->SetPosition(4);
    f.UpDown15->MouseDown(TMouseButton::mbLeft, ssLeft, 1, 1);
    EXPECT_EQ(f.UpDown15->Max(), 2);
    f.UpDown15->SetPosition(1);
    f.UpDown16->MouseUp(TMouseButton::mbLeft, 0, 1, 1);
    EXPECT_EQ(f.UpDown16->Max(), 5);
    f.UpDown16->SetPosition(0);
    f.UpDown15->MouseUp(TMouseButton::mbLeft, 0, 1, 1);
    EXPECT_EQ(f.UpDown15->Max(), 6);
    f.UpDown16->MouseDown(TMouseButton::mbLeft, ssLeft, 1, 1);
    EXPECT_EQ(f.UpDown16->Max(), 5);
}

TEST_F(GridEditing, SharedNumberLimitsStayInOrder) {
    f.UpDown3->SetPosition(2);
    f.UpDown9->SetPosition(1);
    f.UpDown3->MouseDown(TMouseButton::mbLeft, ssLeft, 1, 1);
    EXPECT_EQ(f.UpDown9->Max(), 2);
    EXPECT_EQ(f.UpDown3->Min(), 1);
    f.UpDown9->SetPosition(2);
    f.UpDown9->MouseUp(TMouseButton::mbLeft, 0, 1, 1);
    EXPECT_EQ(f.UpDown3->Min(), 2);
    // Only these two events are coupled.
    EXPECT_FALSE(f.UpDown3->OnMouseUp);
    EXPECT_FALSE(f.UpDown9->OnMouseDown);
}

TEST_F(GridEditing, RunBudgetFollowsItsCounter) {
    f.UpDown7->SetPosition(20);
    bool allow = true;
    f.UpDown7->OnChanging(f.UpDown7, allow);
    EXPECT_EQ(f.LaufMax, 20000);
    EXPECT_TRUE(allow);
    // An arrow step counts with the position it leads to.
    f.UpDown7->ArrowClick(TUDBtnType::btNext);
    EXPECT_EQ(f.LaufMax, 21000);
    f.UpDown7->ArrowClick(TUDBtnType::btPrev);
    EXPECT_EQ(f.LaufMax, 20000);
}

}  // namespace
