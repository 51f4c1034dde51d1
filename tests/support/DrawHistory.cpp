#include "support/DrawHistory.h"

#include "platform/rtl/DateTime.h"

#include <algorithm>
#include <array>

std::vector<DrawRecord> SyntheticHistory(int count, TDateTime lastDraw, uint32_t seed) {
    // A generator of its own, so the history does not depend on the runtime's.
    auto next = [&seed](int n) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((static_cast<uint64_t>(seed) * static_cast<uint64_t>(n)) >> 32);
    };
    std::vector<TDateTime> dates(static_cast<size_t>(count));
    TDateTime day = DateOf(lastDraw);
    for (int i = count - 1; i >= 0; --i) {
        dates[static_cast<size_t>(i)] = day;
        day -= DayOfWeek(day) == 6 ? 3 : 4;  // Friday back to Tuesday, Tuesday back to Friday
    }
    std::vector<DrawRecord> draws;
    draws.reserve(static_cast<size_t>(count));
    for (TDateTime date : dates) {
        std::array<int, 5> numbers{};
        for (int k = 0; k < 5;) {
            int n = next(50) + 1;
            if (std::find(numbers.begin(), numbers.begin() + k, n) == numbers.begin() + k) numbers[static_cast<size_t>(k++)] = n;
        }
        std::sort(numbers.begin(), numbers.end());
        int s1 = next(12) + 1, s2 = s1;
        while (s2 == s1) s2 = next(12) + 1;
        if (s2 < s1) std::swap(s1, s2);
        draws.push_back(MakeDrawRecord(date, {numbers[0], numbers[1], numbers[2], numbers[3], numbers[4]}, s1, s2));
    }
    return draws;
}
