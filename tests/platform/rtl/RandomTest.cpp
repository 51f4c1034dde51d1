#include "platform/rtl/Random.h"

#include <gtest/gtest.h>

TEST(Random, KnownSequenceFromSeed) {
    RandSeed = 12;
    int values[5];
    for (int& v : values) v = Random(51);
    EXPECT_EQ((std::vector<int>(values, values + 5)), (std::vector<int>{19, 50, 48, 2, 2}));
}

TEST(Random, SeedWrapsAsUnsignedAndStaysInRange) {
    RandSeed = -1;  // 0xFFFFFFFF: the product must wrap modulo 2^32
    Random(10);
    EXPECT_EQ(static_cast<uint32_t>(RandSeed), 0xFFFFFFFFu * 134775813u + 1u);
    for (int i = 0; i < 10000; ++i) {
        int v = Random(7);
        ASSERT_GE(v, 0);
        ASSERT_LT(v, 7);
    }
    double f = Random();
    EXPECT_GE(f, 0.0);
    EXPECT_LT(f, 1.0);
}

TEST(Random, RandomizeReadsTheInstalledClock) {
    SetRandomizeClock([] { return 4711u; });
    Randomize();
    EXPECT_EQ(RandSeed, 4711);
    SetRandomizeClock({});
}
