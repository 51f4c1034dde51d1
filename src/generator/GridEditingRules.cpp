#include "generator/GridEditingRules.h"

#include "platform/rtl/Convert.h"
#include "platform/rtl/Random.h"

std::string NormalisedTipText(const std::string& text, int max) {
    int value = 0;
    if (!TryStrToInt(text, value) || value < 1 || value > max) return {};
    return IntToStr(value);
}

std::pair<int, int> DrawRowStars() {
    // Stars of a hand-edited row come from 1 to 8, not up to the star maximum.
    constexpr int kStarRange = 8;
    int star1 = Random(kStarRange) + 1;
    int star2 = Random(kStarRange) + 1;
    while (star2 == star1) star2 = Random(kStarRange) + 1;
    if (star2 < star1) std::swap(star1, star2);
    return {star1, star2};
}
