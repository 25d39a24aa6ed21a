// The model's random numbers: repeatable after a seed, uniform, fresh from the clock.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "model/random.h"

namespace circumvia {
namespace {

std::vector<int> Draws(RandomSource& source, int count, int n) {
    std::vector<int> draws;
    for (int i = 0; i < count; ++i) draws.push_back(source.Draw(n));
    return draws;
}

TEST(RandomSource, TheSameSeedGivesTheSameSequence) {
    RandomSource a;
    RandomSource b;
    a.Seed(7);
    b.Seed(7);
    EXPECT_EQ(Draws(a, 50, 1000), Draws(b, 50, 1000));
    b.Seed(8);
    a.Seed(7);
    EXPECT_NE(Draws(a, 50, 1000), Draws(b, 50, 1000));
}

TEST(RandomSource, ReseedLeavesAFixedSeedAlone) {
    RandomSource a;
    RandomSource b;
    a.Seed(3);
    b.Seed(3);
    a.Draw(10);
    a.Reseed();
    b.Draw(10);
    EXPECT_TRUE(a.IsSeeded());
    EXPECT_EQ(Draws(a, 20, 1000), Draws(b, 20, 1000));
}

TEST(RandomSource, ClockSeededSourcesDiffer) {
    RandomSource a;
    RandomSource b;
    EXPECT_FALSE(a.IsSeeded());
    EXPECT_NE(Draws(a, 4, 1000000000), Draws(b, 4, 1000000000));
    b.Seed(1);
    b.FollowClock();
    EXPECT_FALSE(b.IsSeeded());
}

TEST(RandomSource, DrawsAreUniformWithinTheRange) {
    RandomSource source;
    source.Seed(11);
    std::array<int, 7> counts{};
    for (int i = 0; i < 7000; ++i) {
        const int value = source.Draw(7);
        ASSERT_GE(value, 0);
        ASSERT_LT(value, 7);
        ++counts[static_cast<std::size_t>(value)];
    }
    for (int count : counts) {
        EXPECT_GT(count, 850);
        EXPECT_LT(count, 1150);
    }
}

TEST(RandomSource, ADrawFromOneOrLessIsZero) {
    RandomSource source;
    EXPECT_EQ(source.Draw(1), 0);
    EXPECT_EQ(source.Draw(0), 0);
    EXPECT_EQ(source.Draw(-5), 0);
}

}  // namespace
}  // namespace circumvia
