#pragma once
// The state of one tip calculation run: the number pool, the candidate tip,
// the attempt counter with its budget, the last three draws and the table
// of tips the candidate is compared with. It lives only while a run lasts.

#include "evaluation/TipComparison.h"
#include "generator/NumberPool.h"

#include <array>
#include <cstdint>
#include <vector>

// The tip being assembled: up to five main numbers and two stars (0 = none).
struct TipCandidate {
    std::array<int, 5> Numbers{};
    int Count = 0;
    int Star1 = 0;
    int Star2 = 0;

    void Clear() { *this = TipCandidate{}; }
    bool Contains(int n) const {
        for (int i = 0; i < Count; ++i)
            if (Numbers[static_cast<size_t>(i)] == n) return true;
        return false;
    }
    void Add(int n) { Numbers[static_cast<size_t>(Count++)] = n; }
    bool Complete() const { return Count == 5; }
    int CrossSum() const { return Numbers[0] + Numbers[1] + Numbers[2] + Numbers[3] + Numbers[4]; }
};

using TableTip = std::array<uint8_t, 5>;

struct TipRun {
    NumberPool Pool;
    TipCandidate Candidate;
    // Drawing attempts and star-choice turns together, against the budget.
    int Attempts = 0;
    int Row = 1;  // the grid row being computed, 1..12
    // The draw at the selected date and the two stored before it.
    std::array<DrawNumbers, 3> LastDraws{};
    // The list tips (rows 1..ListTips) and then the run's rows.
    std::vector<TableTip> Table;
    int ListTips = 0;
    // Set when the pool cannot complete the candidate: the run counts its
    // budget as spent instead of drawing forever.
    bool PoolExhausted = false;

    // The rows the candidate of row k is compared with: 1 .. L + k - 1.
    int EarlierTips() const { return ListTips + Row - 1; }
};
