#include "generator/RowTests.h"

#include <algorithm>

bool HasPair(const SortedNumbers& c) {
    for (size_t i = 0; i + 1 < 5; ++i)
        if (c[i] + 1 == c[i + 1]) return true;
    return false;
}

bool HasRunOfThree(const SortedNumbers& c) {
    for (size_t i = 0; i + 2 < 5; ++i)
        if (c[i] + 1 == c[i + 1] && c[i + 1] + 1 == c[i + 2]) return true;
    return false;
}

int CountEven(const SortedNumbers& c) {
    return static_cast<int>(std::count_if(c.begin(), c.end(), [](int n) { return n % 2 == 0; }));
}

int CountOdd(const SortedNumbers& c) { return 5 - CountEven(c); }

int CountPrimes(const std::array<int, 7>& values) {
    static constexpr int kPrimes[] = {2, 3, 5, 7, 11, 13, 17, 19, 23, 29, 31, 37, 41, 43, 47};
    int primes = 0;
    for (size_t i = 0; i < 6; ++i)
        if (std::find(std::begin(kPrimes), std::end(kPrimes), values[i]) != std::end(kPrimes)) ++primes;
    return primes;
}

bool AgreesWithEarlierTips(const SortedNumbers& c, const std::vector<TableTip>& table, int earlier,
                           const AgreementLimits& limits, int& lastCommon) {
    int smallest = 6, largest = 0;
    for (int j = 0; j < earlier && j < static_cast<int>(table.size()); ++j) {
        int common = CommonNumbers(c, table[static_cast<size_t>(j)]);
        lastCommon = common;
        smallest = std::min(smallest, common);
        largest = std::max(largest, common);
        if (limits.EachTip && (common > limits.Max || common < limits.Min)) return false;
    }
    if (limits.UseMax && smallest > limits.Max) return false;
    if (limits.UseMin && largest < limits.Min) return false;
    return true;
}

Loosening LooseningAt(int attempts, int budget) {
    Loosening l;
    l.UntickPair = attempts == budget / 2;
    if (attempts == budget - 20000) l.History = 6;
    if (attempts == budget - 10000) {
        l.SecondLast = 2;
        l.Last = 1;
    }
    if (attempts == budget - 5000) {
        l.SecondLast = 3;
        l.Last = 2;
    }
    return l;
}
