// The slip's arithmetic: mark places, tip lines, the normalisation of the
// opening, layout texts, the measurement and the block previews.

#include "output/SlipLayout.h"
#include "platform/rtl/Exceptions.h"

#include <gtest/gtest.h>

#include <map>

namespace {

// The shipped slip's layout.
SlipLayout shipped() {
    SlipLayout l;
    l.AnfangTop = 164.4;
    l.AnfangLeft = 49;
    l.Hoehe = l.Breite = 14;
    l.BlockLeft = 102;
    l.BlockTop = 420;
    l.EuroTop = 163;
    l.EuroBreit = l.EuroHoch = 19;
    return l;
}

}  // namespace

TEST(SlipMarks, NumbersAndStarsLandOnTheirCellsRowByRow) {
    const SlipLayout l = shipped();
    struct Case {
        bool star;
        int blockRow, blockColumn, value;
        double left, top;
    };
    const Case cases[] = {
        {false, 1, 1, 1, 49, 164.4},            {false, 1, 1, 3, 77, 164.4},
        {false, 1, 1, 44, 91, 276.4},           {false, 1, 1, 50, 49 + 4 * 14, 164.4 + 9 * 14},
        {false, 1, 3, 6, 49 + 2 * 102, 178.4},  {false, 2, 1, 1, 49, 584.4},
        {true, 1, 1, 2, 68, 327.4},             {true, 1, 1, 9, 49, 365.4},
        {true, 1, 1, 12, 49 + 3 * 19, 365.4},   {true, 2, 2, 1, 151, 747.4},
    };
    for (const Case& c : cases) {
        const MarkPlace p = c.star ? StarMarkPlace(l, c.blockRow, c.blockColumn, c.value)
                                   : NumberMarkPlace(l, c.blockRow, c.blockColumn, c.value);
        EXPECT_NEAR(p.Left, c.left, 1e-9) << c.star << " " << c.value;
        EXPECT_NEAR(p.Top, c.top, 1e-9) << c.star << " " << c.value;
    }
}

TEST(SlipMarks, ASlipIsClearedWholeEvenBeyondTheTemplatesTenSlots) {
    EXPECT_EQ(SlotsToClear(1, 5, 10), 10);
    EXPECT_EQ(SlotsToClear(2, 6, 10), 12);
    EXPECT_EQ(SlotsToClear(10, 10, 10), 100);
}

TEST(SlipTips, ReadsSevenFieldsAndChecksThemAgainstTheSlip) {
    const SlipTip tip = ReadSlipTip("3,11,19,27,44,2, 9 ");
    EXPECT_EQ(tip.Numbers, (std::array<int, 5>{3, 11, 19, 27, 44}));
    EXPECT_EQ(tip.Stars, (std::array<int, 2>{2, 9}));
    EXPECT_THROW(ReadSlipTip("3 11 19 27 44 2 9"), EConvertError);
    EXPECT_THROW(ReadSlipTip("3,11,19,27,44,2"), EConvertError);

    const std::pair<SlipTip, bool> cases[] = {
        {{{1, 2, 3, 4, 50}, {1, 12}}, true},   {{{1, 2, 3, 4, 51}, {1, 2}}, false},
        {{{0, 2, 3, 4, 5}, {1, 2}}, false},    {{{1, 2, 3, 4, 1}, {1, 2}}, false},
        {{{1, 2, 3, 4, 5}, {3, 3}}, false},    {{{1, 2, 3, 4, 5}, {0, 2}}, false},
        {{{1, 2, 3, 4, 5}, {1, 13}}, false},
    };
    for (const auto& [t, valid] : cases) EXPECT_EQ(SlipTipValid(t, 12), valid) << t.Numbers[4] << " " << t.Stars[1];
    EXPECT_FALSE(SlipTipValid({{1, 2, 3, 4, 5}, {1, 12}}, 11));
}

TEST(SlipTips, TheOpeningMakesBlanksAndTabsCommas) {
    const std::pair<std::string, std::string> cases[] = {
        {"3,11,19,27,44,2,9", "3,11,19,27,44,2,9"},
        {"  3 11  19   27 44 2 9 ", "3,11,19,27,44,2,9"},
        {"3\t11\t19\t27\t44\t\t\t2\t9", "3,11,19,27,44,2,9"},
        {"3, 11, 19, 27, 44, 2, 9", "3,11,19,27,44,2,9"},
        {"", ""},
    };
    for (const auto& [typed, normalised] : cases)
        EXPECT_EQ(NormalisedSlipTips({typed}), std::vector<std::string>{normalised}) << typed;
    EXPECT_EQ(NormalisedSlipTips({"1 2", "3\t4"}), (std::vector<std::string>{"1,2", "3,4"}));
}

TEST(SlipLayoutTexts, ReadWithEitherDecimalSeparator) {
    TFormatSettings german = TFormatSettings::German();
    TFormatSettings english = german;
    english.DecimalSeparator = '.';
    for (const TFormatSettings& format : {german, english}) {
        EXPECT_DOUBLE_EQ(LayoutNumber("164,4", format), 164.4);
        EXPECT_DOUBLE_EQ(LayoutNumber("164.4", format), 164.4);
        EXPECT_DOUBLE_EQ(LayoutNumber("-3", format), -3);
        EXPECT_THROW(LayoutNumber("1x", format), EConvertError);
        EXPECT_THROW(LayoutNumber("", format), EConvertError);
    }
    EXPECT_DOUBLE_EQ(RoundedToHundredths(15.666), 15.67);
    EXPECT_DOUBLE_EQ(RoundedToHundredths(164.4), 164.4);
}

TEST(SlipMeasurement, PitchesAndOffsetsFromTheTemplatesViews) {
    std::map<std::string, MarkPlace> views = {
        {"Zahl1_1", {49, 164.4}},  {"Zahl2_1", {105, 164.4}},  {"Zahl4_1", {49, 290.4}}, {"Zahl1_2", {151, 164.4}},
        {"Zahl1_6", {49, 584.4}},  {"Stern1_1", {49, 327.4}}, {"Stern2_1", {106, 365.4}},
    };
    auto lookup = [&](const std::string& name) -> std::optional<MarkPlace> {
        auto found = views.find(name);
        return found == views.end() ? std::nullopt : std::optional<MarkPlace>(found->second);
    };

    MeasuredLayout m = MeasureLayout(lookup, {10, 5, 3, 4, 1, 5});
    ASSERT_EQ(m.Missing, "");
    EXPECT_NEAR(m.Layout.Breite, 14, 1e-9);
    EXPECT_NEAR(m.Layout.Hoehe, 14, 1e-9);
    EXPECT_DOUBLE_EQ(m.Layout.AnfangTop, 164.4);
    EXPECT_DOUBLE_EQ(m.Layout.AnfangLeft, 49);
    EXPECT_DOUBLE_EQ(m.Layout.BlockTop, 0);
    EXPECT_DOUBLE_EQ(m.Layout.BlockLeft, 102);
    EXPECT_NEAR(m.Layout.EuroTop, 163, 1e-9);
    EXPECT_DOUBLE_EQ(m.Layout.EuroLeft, 0);
    EXPECT_NEAR(m.Layout.EuroBreit, 19, 1e-9);
    EXPECT_NEAR(m.Layout.EuroHoch, 19, 1e-9);

    // One column or row: the plain differences; one star column or row: no pitch.
    m = MeasureLayout(lookup, {1, 1, 1, 1, 2, 5});
    ASSERT_EQ(m.Missing, "");
    EXPECT_DOUBLE_EQ(m.Layout.Breite, 56);
    EXPECT_NEAR(m.Layout.Hoehe, 126, 1e-9);
    EXPECT_NEAR(m.Layout.BlockTop, 420, 1e-9);
    EXPECT_DOUBLE_EQ(m.Layout.EuroBreit, 0);
    EXPECT_DOUBLE_EQ(m.Layout.EuroHoch, 0);

    // A view is needed only where the shape uses it.
    views.erase("Zahl1_6");
    EXPECT_EQ(MeasureLayout(lookup, {10, 5, 3, 4, 1, 5}).Missing, "");
    EXPECT_EQ(MeasureLayout(lookup, {10, 5, 3, 4, 2, 5}).Missing, "Zahl1_6");
    views.erase("Stern2_1");
    EXPECT_EQ(MeasureLayout(lookup, {10, 5, 3, 4, 1, 5}).Missing, "Stern2_1");
}

TEST(SlipPreview, BlocksAreNumberedAsTheCheckBoxesSay) {
    using Cells = std::vector<std::vector<std::string>>;
    struct Case {
        bool horizontal, fromBottom;
        Cells cells;
    };
    const Case cases[] = {
        {true, false, {{"1", "2", "3"}, {"4", "5", " "}, {" ", " ", " "}}},
        {true, true, {{" ", " ", " "}, {"4", "5", " "}, {"1", "2", "3"}}},
        {false, false, {{"1", "4", " "}, {"2", "5", " "}, {"3", " ", " "}}},
        {false, true, {{"3", " ", " "}, {"2", "5", " "}, {"1", "4", " "}}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlockPreviewCells(3, 3, 5, c.horizontal, c.fromBottom), c.cells) << c.horizontal << c.fromBottom;
    EXPECT_EQ(BlockPreviewCells(2, 2, 12, true, false), (Cells{{"1", "2"}, {"3", "4"}}));
}
