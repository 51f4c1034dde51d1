#include "evaluation/TipComparison.h"

#include "platform/rtl/Convert.h"

#include <algorithm>

TipOutcome CompareTip(const TipTexts& texts, const DrawNumbers& draw) {
    TipOutcome out;

    // Every drawn number meets the tip numbers in tip order, so the first
    // drawn number already meets every text up to the first bad one; the
    // comparison ends there.
    int numbers[5];
    int valid = 0;
    while (valid < 5 && TryStrToInt(*texts[static_cast<size_t>(valid)], numbers[valid])) ++valid;
    for (int d = 1; d <= 5; ++d) {
        const int drawn = draw[static_cast<size_t>(d)];
        for (int p = 0; p < valid; ++p) {
            if (numbers[p] == drawn) {
                out.Treffer[static_cast<size_t>(p + 1)] = true;
                ++out.Gewinn;
            }
        }
        if (valid < 5) return out;
    }

    int star1 = 0, star2 = 0;
    if (!TryStrToInt(*texts[5], star1)) return out;
    if (star1 == draw[7]) out.Zusatz = true;
    if (!TryStrToInt(*texts[6], star2)) return out;
    if (star2 == draw[7]) out.Super = true;
    if (star1 == draw[8]) out.Zusatz = true;
    if (star2 == draw[8]) out.Super = true;
    return out;
}

TipOutcome CompareTipNumbers(const std::array<int, 7>& tip, const DrawNumbers& draw) {
    TipOutcome out;
    for (size_t d = 1; d <= 5; ++d)
        for (size_t p = 0; p < 5; ++p)
            if (tip[p] == draw[d]) {
                out.Treffer[p + 1] = true;
                ++out.Gewinn;
            }
    out.Zusatz = tip[5] == draw[7] || tip[5] == draw[8];
    out.Super = tip[6] == draw[7] || tip[6] == draw[8];
    return out;
}

void ClearHitTable(HitTable& table) {
    for (auto& row : table) std::fill(std::begin(row), std::end(row), 0);
}

void CountTip(HitTable& table, int32_t gewinn, bool zusatz, bool super) {
    ++table[std::clamp(gewinn, 0, 6)][StarHits(zusatz, super)];
}
