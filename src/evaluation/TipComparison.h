#pragma once
// The comparison of one tip with a draw, and what every evaluation builds on
// its outcome: the star hits, the win rule, the hit code and the hit table.

#include <array>
#include <cstdint>
#include <string>

// A draw's numbers as the main window holds them: positions 1..5 the main
// numbers, 6 unused, 7 and 8 the stars.
using DrawNumbers = std::array<int32_t, 9>;

// The seven texts of a tip: five main numbers, star 1, star 2.
using TipTexts = std::array<const std::string*, 7>;

struct TipOutcome {
    // Main hits, counted per occurrence: a tip that repeats a drawn number
    // counts it twice, and so does a draw that repeats one.
    int32_t Gewinn = 0;
    std::array<bool, 6> Treffer{};  // [1..5]: the tip's p-th number was drawn
    bool Zusatz = false;            // the tip's first star was drawn
    bool Super = false;             // the tip's second star was drawn
};

// Numbers are matched only against the main numbers and stars only against
// the stars. The first text that is not an integer ends the comparison, in
// the order drawn number by drawn number and then star by star; what was
// found up to there stands.
TipOutcome CompareTip(const TipTexts& texts, const DrawNumbers& draw);

// The same comparison for a tip given as seven numbers (none can end it).
TipOutcome CompareTipNumbers(const std::array<int, 7>& tip, const DrawNumbers& draw);

// 0, 1 or 2.
inline int StarHits(bool zusatz, bool super) { return (zusatz ? 1 : 0) + (super ? 1 : 0); }

// Two main hits, or one with both stars.
inline bool IsWin(int32_t gewinn, bool zusatz, bool super) { return gewinn >= 2 || (gewinn == 1 && zusatz && super); }

// Main hits x 100, +10 for the second star, +1 for the first.
inline int32_t HitCode(int32_t gewinn, bool zusatz, bool super) {
    return gewinn * 100 + (super ? 10 : 0) + (zusatz ? 1 : 0);
}

// Main hits 0..6 by star hits 0..2.
using HitTable = int32_t[7][3];

void ClearHitTable(HitTable& table);
// A draw that repeats a number can give more than six main hits; such a tip
// is counted with the sixes.
void CountTip(HitTable& table, int32_t gewinn, bool zusatz, bool super);
