#include "generator/NumberPool.h"

#include "platform/rtl/Convert.h"

#include <algorithm>

void NumberPool::ZahlEintragen(int n, int weight) {
    if (weight < 0) return;
    // A weight from a damaged value list could ask for billions of entries.
    Append(n, std::min(std::max(weight, 1), kMaxWeight) + 1);
}

int NumberPool::DistinctNumbers() const {
    return static_cast<int>(std::count_if(counts_.begin() + 1, counts_.end(), [](int c) { return c > 0; }));
}

void NumberPool::RemoveAll(int n) {
    if (n == kRemoved) return;
    for (uint8_t& e : entries_)
        if (e == n) remove(e);
}

void NumberPool::RemoveFirst(int n) {
    if (n == kRemoved) return;
    auto it = std::find(entries_.begin(), entries_.end(), static_cast<uint8_t>(n));
    if (it != entries_.end()) remove(*it);
}

void NumberPool::RemoveBelow(int limit) {
    for (uint8_t& e : entries_)
        if (e != kRemoved && e < limit) remove(e);
}

void NumberPool::DropRemoved() {
    size_t i = 0;
    while (i < entries_.size()) {
        if (entries_[i] != kRemoved) {
            ++i;
            continue;
        }
        entries_[i] = entries_.back();
        entries_.pop_back();
    }
}

int RoundLimit(double value) { return static_cast<int>(Round(value)); }

bool Band::Takes(double value) const {
    switch (kind) {
    case Above:
        return Lower < value && value <= Upper;
    case Filled:
        return 0 < value && value <= Upper;
    case Within:
        return Lower <= value && value <= Upper;
    }
    return false;
}

Band TopBand(double max, double min) { return {Band::Above, RoundLimit(max - (max - min) * 0.3), RoundLimit(max)}; }

Band BottomBand(double max, double min) { return {Band::Filled, 0, RoundLimit(min + (max - min) * 0.3)}; }
