#include "draws/DrawStatistics.h"

#include "platform/rtl/Convert.h"

#include <algorithm>

namespace {

constexpr int kMainSlots = 5;
constexpr int kStar1 = 6;  // record slot indexes from 0
constexpr int kStar2 = 7;

bool inRange(uint8_t value, int highest) { return value >= 1 && value <= highest; }

} // namespace

bool HasValidMainNumbers(const DrawRecord& record) {
    for (int i = 0; i < kMainSlots; ++i)
        if (!inRange(record.Slot[i], kHighestNumber)) return false;
    return true;
}

bool HasValidNumbersAndStars(const DrawRecord& record) {
    return HasValidMainNumbers(record) && inRange(record.Slot[kStar1], kHighestStar) &&
           inRange(record.Slot[kStar2], kHighestStar);
}

bool IsPrimeBelow50(int number) {
    switch (number) {
    case 2: case 3: case 5: case 7: case 11: case 13: case 17: case 19:
    case 23: case 29: case 31: case 37: case 41: case 43: case 47: return true;
    default: return false;
    }
}

int CrossSum(const DrawRecord& record) {
    int sum = 0;
    for (int i = 0; i < kMainSlots; ++i) sum += record.Slot[i];
    return sum;
}

int64_t MeanCrossSum(double total, double draws) { return Round(total / draws); }

void NumberFrequency::Add(const DrawRecord& record) {
    for (int i = 0; i < kMainSlots; ++i) ++Count[record.Slot[i]];
    Draws += 1;
    CrossSumTotal += CrossSum(record);
}

void StarFrequency::Add(const DrawRecord& record) {
    ++Count[record.Slot[kStar1]];
    ++Count[record.Slot[kStar2]];
}

void OverdueNumbers::Add(const DrawRecord& record) {
    for (int32_t& c : Count) ++c;
    for (int i = 0; i < kMainSlots; ++i) Count[record.Slot[i]] = 1;
}

OverdueStars::OverdueStars(int starMax) : starMax_(std::clamp(starMax, 0, kHighestStar)) {}

void OverdueStars::Add(const DrawRecord& record) {
    for (int s = 1; s <= starMax_; ++s) ++Count[static_cast<size_t>(s)];
    Count[record.Slot[kStar1]] = 1;
    Count[record.Slot[kStar2]] = 1;
}

void CrossSumCounts::Add(const DrawRecord& record) {
    const int sum = CrossSum(record);
    ++Count[static_cast<size_t>(sum)];
    Smallest = std::min(Smallest, sum);
    Largest = std::max(Largest, sum);
    Draws += 1;
    Total += sum;
}

int RunHits(const DrawNumbers& zahl, int first, int length) {
    int hits = 0;
    for (int d = 1; d <= kMainSlots; ++d) {
        const int32_t drawn = zahl[static_cast<size_t>(d)];
        if (drawn >= first && drawn < first + length) ++hits;
        if (drawn == 0) hits += kMainSlots - length;  // the "0" fields of the tip
    }
    return hits;
}

uint64_t RunsTouchingDraw(const DrawNumbers& zahl, int length) {
    uint64_t firsts = 0;
    for (int d = 1; d <= kMainSlots; ++d) {
        const int32_t drawn = zahl[static_cast<size_t>(d)];
        for (int first = std::max(1, drawn - length + 1); first <= std::min(drawn, kHighestNumber); ++first)
            firsts |= uint64_t{1} << first;
    }
    return firsts;
}

void PairMatrix::Add(const DrawRecord& record) {
    for (int p = 0; p < kMainSlots; ++p)
        for (int q = 0; q < kMainSlots; ++q)
            if (p != q) ++Cell[record.Slot[p]][record.Slot[q]];
}

PairsWithSummary SummarisePairs(const PairMatrix& matrix, int chosen) {
    PairsWithSummary s;
    s.Chosen = chosen;
    for (int c = 1; c <= kHighestNumber; ++c) {
        for (int r = 1; r <= kHighestNumber; ++r) {
            const int32_t cell = matrix.Cell[r][c];
            s.Total += cell;
            if (cell < s.Smallest && r != c) {
                s.Smallest = cell;
                s.SmallestRow = r;
                s.SmallestColumn = c;
            }
            if (cell > s.Largest) {
                s.Largest = cell;
                s.LargestRow = r;
                s.LargestColumn = c;
            }
            if (c == chosen) {
                s.ColumnTotal += cell;
                if (cell < s.SmallestWith && r != c) {
                    s.SmallestWith = cell;
                    s.SmallestWithRow = r;
                }
                if (cell > s.LargestWith) {
                    s.LargestWith = cell;
                    s.LargestWithRow = r;
                }
            }
        }
    }
    return s;
}
