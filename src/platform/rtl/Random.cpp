#include "platform/rtl/Random.h"

#include <chrono>

int32_t RandSeed = 0;

namespace {

std::function<uint32_t()>& randomizeClock() {
    static std::function<uint32_t()> clock;
    return clock;
}

uint32_t advance() {
    uint32_t seed = static_cast<uint32_t>(RandSeed) * 134775813u + 1u;
    RandSeed = static_cast<int32_t>(seed);
    return seed;
}

} // namespace

int32_t Random(int32_t n) {
    uint32_t seed = advance();
    if (n <= 0) return 0;
    return static_cast<int32_t>((static_cast<uint64_t>(static_cast<uint32_t>(n)) * seed) >> 32);
}

double Random() {
    return static_cast<double>(advance()) / 4294967296.0;
}

void Randomize() {
    if (randomizeClock()) {
        RandSeed = static_cast<int32_t>(randomizeClock()());
        return;
    }
    auto ticks = std::chrono::steady_clock::now().time_since_epoch();
    RandSeed = static_cast<int32_t>(
        static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(ticks).count()));
}

void SetRandomizeClock(std::function<uint32_t()> clock) {
    randomizeClock() = std::move(clock);
}
