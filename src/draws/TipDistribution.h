#pragma once
// The count behind the tip distribution chart: how often each number
// occurs in the current tips, grid edits or tip-list lines.

#include "draws/DrawStatistics.h"
#include "evaluation/ListLine.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

class TipNumberCount {
public:
    // Counts one number field. A field that is no number of 0..50 counts
    // nothing and returns false: the counting ends there.
    bool Add(const std::string& field);
    // Counts the five number fields of a tip-list line (the stars are not
    // counted); false when one of them ended the counting.
    bool AddListLine(std::string_view line);

    // Index 0 is counted like any number but never shown.
    const std::array<int32_t, kHighestNumber + 1>& Counts() const { return counts_; }
    int Total() const { return total_; }

private:
    std::array<int32_t, kHighestNumber + 1> counts_{};
    int total_ = 0;
    ListLineReader reader_;
};
