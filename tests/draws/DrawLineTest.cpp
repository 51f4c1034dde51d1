// The draw line's spacings and the cross-sum text, from values.

#include "draws/DrawLine.h"

#include <gtest/gtest.h>

namespace {

const DrawNumbers kTuesday = {0, 5, 12, 23, 34, 45, 0, 3, 9};

} // namespace

TEST(DrawLine, GapsMarkTheFirstAndTheLastRecord) {
    struct Case {
        DrawLineForm form;
        const char* line;
    } cases[] = {
        {DrawLineForm::Middle, "Di 04.02.25    5  12  23  34  45   S1: 3 S2: 9"},
        {DrawLineForm::First, "Di 04.02.25     5  12  23  34  45   S1: 3 S2: 9"},
        {DrawLineForm::Last, "Di 04.02.25    5  12  23  34  45     S1: 3 S2: 9"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DrawLine(EncodeDate(2025, 2, 4), kTuesday, "S1", "S2", c.form), c.line);
}

TEST(DrawLine, NumbersAndStarsAreUnpaddedAndTheStarWordsAreTaken) {
    const DrawNumbers zahl = {0, 1, 2, 3, 4, 50, 7, 10, 11};
    EXPECT_EQ(DrawLine(EncodeDate(2003, 6, 6), zahl, "Stern A", "Stern B", DrawLineForm::Middle),
              "Fr 06.06.03    1  2  3  4  50   Stern A: 10 Stern B: 11");
}

TEST(CrossSumText, SumsTheFiveMainNumbersOnly) {
    EXPECT_EQ(CrossSumText("Quersumme: ", kTuesday), "Quersumme:  119");
    const DrawNumbers slot6Set = {0, 5, 12, 23, 34, 45, 7, 3, 9};
    EXPECT_EQ(CrossSumText("Quersumme: ", slot6Set), "Quersumme:  119");
}
