#pragma once
// The weighted pool every main number of a calculated tip is drawn from: a
// sequence of entries 1..50 in which a number's weight is how often it
// stands. The order of the entries decides which number Random(E) picks.

#include <cstddef>
#include <array>
#include <cstdint>
#include <vector>

class NumberPool {
public:
    void Clear() {
        entries_.clear();
        counts_.fill(0);
    }
    int Size() const { return static_cast<int>(entries_.size()); }
    int Entry(int index) const { return entries_[static_cast<size_t>(index)]; }
    const std::vector<uint8_t>& Entries() const { return entries_; }

    void Append(int n) {
        entries_.push_back(static_cast<uint8_t>(n));
        ++counts_[static_cast<uint8_t>(n)];
    }
    void Append(int n, int times) {
        for (int i = 0; i < times; ++i) Append(n);
    }
    // n with weight + 1 entries; a weight of 0 counts as 1, a negative one
    // adds nothing, and one above kMaxWeight counts as kMaxWeight.
    void ZahlEintragen(int n, int weight);
    static constexpr int kMaxWeight = 10000;
    // How many entries n has (removed ones not counted).
    int Gewichtung(int n) const { return n >= 1 && n <= 255 ? counts_[static_cast<size_t>(n)] : 0; }
    // How many different numbers stand in the pool.
    int DistinctNumbers() const;

    // Removal marks, then the compaction that drops the marked entries: each
    // is replaced by the last entry, which leaves the end.
    void RemoveAll(int n);
    void RemoveFirst(int n);
    void RemoveBelow(int limit);
    void DropRemoved();

private:
    static constexpr uint8_t kRemoved = 0;
    void remove(uint8_t& entry) {
        --counts_[entry];
        entry = kRemoved;
    }
    std::vector<uint8_t> entries_;
    std::array<int, 256> counts_{};  // entries per number, kept with them
};

// The runtime's rounding of a bar limit: halves to the even neighbour.
int RoundLimit(double value);

// The bars of a chart a pool option takes, from the chart's value range.
struct Band {
    enum Kind {
        Above,   // lower < value <= upper
        Filled,  // 0 < value <= upper
        Within,  // lower <= value <= upper
    };
    Kind kind;
    int Lower, Upper;
    bool Takes(double value) const;
};
// The frequent option's band: the top 30 % of the range.
Band TopBand(double max, double min);
// The rare option's band: the filled bars of the bottom 30 %.
Band BottomBand(double max, double min);
