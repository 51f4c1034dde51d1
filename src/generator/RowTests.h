#pragma once
// The row tests of the tip calculation as plain rules on a candidate's
// sorted numbers.

#include "generator/TipRun.h"

#include <array>
#include <cstdint>

using SortedNumbers = std::array<int, 5>;

// Two of the numbers are consecutive.
bool HasPair(const SortedNumbers& c);
// Three of the numbers are consecutive.
bool HasRunOfThree(const SortedNumbers& c);
// Pairs (i, t) with c(i) equal to number t of the other five.
template <class Other>
int CommonNumbers(const SortedNumbers& c, const Other& other, int firstIndex = 0) {
    int common = 0;
    for (int i = 0; i < 5; ++i)
        for (int t = 0; t < 5; ++t)
            if (c[static_cast<size_t>(i)] == static_cast<int>(other[static_cast<size_t>(firstIndex + t)])) ++common;
    return common;
}
int CountEven(const SortedNumbers& c);
int CountOdd(const SortedNumbers& c);
// The primes among the first six of seven values.
int CountPrimes(const std::array<int, 7>& values);

// The agreement of a candidate with the earlier tips of the table.
struct AgreementLimits {
    bool EachTip;   // CheckBox27: both limits apply to every earlier tip
    bool UseMax;    // CheckBox3
    int Max;        // UpDown3
    bool UseMin;    // CheckBox24
    int Min;        // UpDown9
};
// True when the candidate may stay; `lastCommon` receives the count of the
// last tip compared.
bool AgreesWithEarlierTips(const SortedNumbers& c, const std::vector<TableTip>& table, int earlier,
                           const AgreementLimits& limits, int& lastCommon);

// What the run loosens when its attempt counter reaches a mark: the forced
// pair at half the budget, the history filter and the last draws' limits
// near its end. -1 leaves a counter alone.
struct Loosening {
    bool UntickPair = false;
    int History = -1;     // UpDown6
    int SecondLast = -1;  // UpDown5
    int Last = -1;        // UpDown4
};
// Each mark is tested for equality only.
Loosening LooseningAt(int attempts, int budget);
