#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "engine/Random.h"

TEST(Random, SameSeedSameSequenceAndBytesBelow255)
{
    SeedRandom(42);
    std::uint32_t first[8];
    for (auto& v : first) v = RandomU32();
    SeedRandom(42);
    for (auto v : first) EXPECT_EQ(RandomU32(), v);
    for (auto v : first)
        for (int b = 0; b < 4; ++b) EXPECT_LT((v >> (8 * b)) & 0xFFu, 255u);
}

TEST(Random, IntStaysInsideItsBoundsAndReachesBoth)
{
    SeedRandom(7);
    std::set<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int v = RandomInt(1, 4);
        ASSERT_GE(v, 1);
        ASSERT_LE(v, 4);
        seen.insert(v);
    }
    EXPECT_EQ(seen.size(), 4u);
    EXPECT_EQ(RandomInt(3, 3), 3);
    EXPECT_EQ(RandomInt(5, 2), 5);
    const int wide = RandomInt(-2147483647 - 1, 2147483647);
    (void)wide;  // must not overflow (UBSan run)
}
