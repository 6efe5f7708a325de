#include "runtime/Random.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vandro;

// The generator is process-wide; every test seeds it first except the one that needs the
// unseeded start, which runs first in this file.
TEST(Random, UnseededStartsAt0x1234) {
    EXPECT_EQ(GetRandomSeed(), 0x1234);
    RandomFloat();
    EXPECT_EQ(GetRandomSeed(), 224942860);
    RandomFloat();
    EXPECT_EQ(GetRandomSeed(), 539475828);
}

TEST(Random, StatesAndFloatAfterSeedingWithOne) {
    SetRandomSeed(1);
    EXPECT_EQ(static_cast<double>(RandomFloat()), 0.000179767608642578125);
    EXPECT_EQ(GetRandomSeed(), 48271);
    RandomFloat();
    EXPECT_EQ(GetRandomSeed(), 182605794);
}

TEST(Random, DoubleUsesTwoSteps) {
    SetRandomSeed(1);
    const double expected = (48268 + 182605792 / 134217728.0) / 536870912.0;
    EXPECT_EQ(RandomDouble(), expected);
    EXPECT_NEAR(expected, 8.990869022751369e-05, 1e-18);
    EXPECT_EQ(GetRandomSeed(), 182605794);
}

TEST(Random, DiceInEitherOrder) {
    const std::vector<int> expected{1, 3, 6, 1, 1, 3, 2, 3, 4, 6};
    for (auto [low, high] : {std::pair{1, 6}, std::pair{6, 1}}) {
        SetRandomSeed(1);
        std::vector<int> got;
        for (int i = 0; i < 10; ++i)
            got.push_back(RandomInt(low, high));
        EXPECT_EQ(got, expected);
    }
}

TEST(Random, EqualBoundsStillTakeTwoSteps) {
    SetRandomSeed(1);
    EXPECT_EQ(RandomInt(5, 5), 5);
    EXPECT_EQ(GetRandomSeed(), 182605794);
}

TEST(Random, BadSeedsFallBackTo0x1234) {
    for (int seed : {0, -1, static_cast<int>(0x80000000u), 0x7FFFFFFF}) {
        SetRandomSeed(seed);
        EXPECT_EQ(GetRandomSeed(), 0x1234) << seed;
    }
    SetRandomSeed(-2);
    EXPECT_EQ(GetRandomSeed(), 0x7FFFFFFE);
}

TEST(Random, ReseedingWithTheStateContinuesTheSequence) {
    SetRandomSeed(99);
    RandomDouble();
    const int state = GetRandomSeed();
    const double next = RandomDouble();
    SetRandomSeed(state);
    EXPECT_EQ(RandomDouble(), next);
}

TEST(Random, RangesStayWithinTheirBounds) {
    SetRandomSeed(7);
    for (int i = 0; i < 10000; ++i) {
        const double r = RandomRange(3.0, -2.0);
        ASSERT_GE(r, -2.0);
        ASSERT_LT(r, 3.0);
        const float f = RandomFloat();
        ASSERT_GE(f, 0.0f);
        ASSERT_LT(f, 1.0f);
        const int n = RandomInt(-3, 3);
        ASSERT_GE(n, -3);
        ASSERT_LE(n, 3);
    }
    EXPECT_EQ(RandomRange(2.5, 2.5), 2.5);
}
