#pragma once
// The counting behind the statistics charts: small accumulators that are fed
// one draw record at a time while a chart scans the history, so that a scan
// needs no copy of the file and no allocation per record. Add takes only
// records that passed the validity test of its chart, so every number
// indexes a counter.

#include "draws/DrawRecord.h"

#include <array>
#include <cstdint>

constexpr int kHighestNumber = 50;
constexpr int kHighestStar = 12;
constexpr int kHighestCrossSum = 279;

// The analysed period: from Start to End, both whole days. Some charts count
// the first day, the others only the draws after it; all count the last day.
struct ChartPeriod {
    TDateTime Start = 0;
    TDateTime End = 0;
    bool FirstDayCounted = true;

    bool Contains(TDateTime date) const {
        return (FirstDayCounted ? Start <= date : Start < date) && date <= End;
    }
};

// A record whose main numbers are not all within 1..50 cannot be a draw of
// this lottery; the charts leave it out as a whole. The frequency charts also
// require both stars within 1..12.
bool HasValidMainNumbers(const DrawRecord& record);
bool HasValidNumbersAndStars(const DrawRecord& record);

// The 15 primes below 50 are drawn in red in the charts over numbers.
bool IsPrimeBelow50(int number);

// The sum of the five main numbers.
int CrossSum(const DrawRecord& record);

// The mean cross sum of the titles: the nearest integer, halves to the even
// neighbour. There is none without draws.
int64_t MeanCrossSum(double total, double draws);

// How often each number 1..50 was drawn, with the draw count and the sum of
// the draws' cross sums.
struct NumberFrequency {
    std::array<int32_t, kHighestNumber + 1> Count{};
    double Draws = 0;
    double CrossSumTotal = 0;
    void Add(const DrawRecord& record);
};

// How often each star 1..12 was drawn.
struct StarFrequency {
    std::array<int32_t, kHighestStar + 1> Count{};
    void Add(const DrawRecord& record);
};

// For how many draws each number has been waiting: 1 for a number of the
// last draw, 1 + (N - j) for one last drawn in draw j of N, N + 1 for one
// not drawn at all.
struct OverdueNumbers {
    OverdueNumbers() { Count.fill(1); }
    std::array<int32_t, kHighestNumber + 1> Count;
    void Add(const DrawRecord& record);
};

// The same for the stars, but the counters start at 0 (a star not drawn at
// all shows N), and only stars up to the star maximum wait: above it a star
// shows 1 when it occurs at all, else 0.
struct OverdueStars {
    explicit OverdueStars(int starMax);
    std::array<int32_t, kHighestStar + 1> Count{};
    void Add(const DrawRecord& record);

private:
    int starMax_;
};

// How many draws had each cross sum, the range of the sums that occurred,
// the draw count and the total of the sums.
struct CrossSumCounts {
    std::array<int32_t, kHighestCrossSum + 1> Count{};
    int Smallest = 500;  // larger than any sum: no draw yet
    int Largest = 0;
    double Draws = 0;
    double Total = 0;
    void Add(const DrawRecord& record);
};

// A run chart: runs of Length consecutive numbers, looked for from first
// number 1 to LastFirst, shown as Bars bars (the quad chart shows three more
// bars than it looks for, always 0).
struct RunShape {
    int Length;
    int LastFirst;
    int Bars;
};
inline constexpr RunShape kPairRuns{2, 49, 49};
inline constexpr RunShape kTripleRuns{3, 48, 48};
inline constexpr RunShape kQuadRuns{4, 48, 50};

// The main hits of the tip first, first + 1, .., first + length - 1 (the
// rest "0") against a draw, counted as the tip comparison counts them: every
// drawn occurrence of a run number is a hit.
int RunHits(const DrawNumbers& zahl, int first, int length);

// Bit i is set for each run starting with i that shares a number with the
// draw; no other run can have a hit in it.
uint64_t RunsTouchingDraw(const DrawNumbers& zahl, int length);

// The draws of a period that hold each run. `hits(first)` gives the main
// hits of the run starting with `first` against the draw being added; the
// run belongs to the draw when all its numbers are hit.
struct RunCounts {
    explicit RunCounts(RunShape shape) : Shape(shape) {}
    RunShape Shape;
    std::array<int32_t, kHighestNumber + 1> Count{};
    int32_t Draws = 0;
    int32_t RunsFound = 0;

    template <class Hits>
    void AddDraw(Hits&& hits) {
        ++Draws;
        for (int first = 1; first <= Shape.LastFirst; ++first) {
            if (hits(first) == Shape.Length) {
                ++Count[static_cast<size_t>(first)];
                ++RunsFound;
            }
        }
    }
};

// Cell (a, b) counts the draws that hold a together with b.
struct PairMatrix {
    int32_t Cell[kHighestNumber + 1][kHighestNumber + 1] = {};
    void Add(const DrawRecord& record);
};

// What the pairs-with chart reports. Places are (row, column); the matrix is
// scanned column by column, each column from row 1 down, and the first place
// found wins a tie, so a pair {a, b} with a < b is reported at (b, a).
struct PairsWithSummary {
    int32_t Largest = 0;
    int LargestRow = 0, LargestColumn = 0;
    int32_t Smallest = 999999;  // off the diagonal
    int SmallestRow = 0, SmallestColumn = 0;
    double Total = 0;
    int Chosen = 0;
    int32_t LargestWith = 0;
    int LargestWithRow = 0;
    int32_t SmallestWith = 999999;  // never the chosen number itself
    int SmallestWithRow = 0;
    double ColumnTotal = 0;
};
PairsWithSummary SummarisePairs(const PairMatrix& matrix, int chosen);
