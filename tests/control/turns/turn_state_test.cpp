#include "control/turns/turn_state.h"

#include <gtest/gtest.h>

namespace circumvia::control {
namespace {

TEST(MoveTimeout, ExpiresOnlyAfterTwentyFourSeconds) {
    EXPECT_FALSE(MoveTimedOut(124000, 100000));
    EXPECT_TRUE(MoveTimedOut(124001, 100000));
}

TEST(MoveTimeout, LongAgoMarkFinishesTheMoveAtOnce) {
    EXPECT_TRUE(MoveTimedOut(24101, kLongAgoTick));
    EXPECT_TRUE(MoveTimedOut(4000000000u, kLongAgoTick));
}

TEST(MoveTimeout, StartInTheUpperHalfReadsAsNegative) {
    // Across the wrap the signed reading gives the true distance; from 2^31 on it reads as
    // long past. Our counter starts at 0 with the program, so that takes 24.8 days of running.
    EXPECT_EQ(ElapsedMs(10, 0xFFFFFFF6u), 20);
    EXPECT_TRUE(MoveTimedOut(2147483648u + 10, 2147483648u));
}

TEST(MoveTimeout, NegativeDifferenceNeverExpires) {
    // After the counter wraps, now is below a start taken in the lower half.
    EXPECT_LT(ElapsedMs(5, 2000000000u), 0);
    EXPECT_FALSE(MoveTimedOut(5, 2000000000u));
}

}  // namespace
}  // namespace circumvia::control

namespace circumvia::control {
namespace {

TEST(BusyScope, ClearsBusyOnEveryWayOutAndLeavesAnOuterScopesBusyAlone) {
    TurnState turn;
    {
        const BusyScope outer(turn);
        try {
            const BusyScope inner(turn);
            EXPECT_TRUE(turn.Busy());
            throw 1;
        } catch (int) {
        }
        EXPECT_TRUE(turn.Busy());
    }
    EXPECT_FALSE(turn.Busy());
}

TEST(SystemTickCounter, LongAgoMarkIsPastFromTheFirstTick) {
    const TickCounter ticks = SystemTickCounter();
    EXPECT_TRUE(MoveTimedOut(ticks(), kLongAgoTick));
    EXPECT_FALSE(MoveTimedOut(ticks(), ticks()));
}

}  // namespace
}  // namespace circumvia::control
