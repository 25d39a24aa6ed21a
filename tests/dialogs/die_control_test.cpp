// The die rolled by hand: a fake millisecond counter, faces from a script, ticks
// delivered by the test.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <deque>

#include "dialogs/die_control.h"

namespace circumvia::dialogs {
namespace {

class DieTest : public ::testing::Test {
protected:
    DieTest() {
        die.SetTickSource([this] { return now; });
        die.SetFaceSource([this] {
            if (draws.empty()) return 3;
            const int face = draws.front();
            draws.pop_front();
            return face;
        });
    }

    // Ticks every 60 ms until the die rests; returns the number of ticks.
    int RollToRest(int limit = 1000) {
        int ticks = 0;
        while (die.IsRolling() && ticks < limit) {
            now += TDieControl::kTickMs;
            die.TimerTick();
            ++ticks;
        }
        return ticks;
    }

    std::uint32_t now = 500000;
    std::deque<int> draws;
    TDieControl die;
};

TEST_F(DieTest, EveryTickShowsANewFaceEvenWhenTheDrawRepeatsIt) {
    die.SetValue(2);
    // A draw equal to the face shown takes the one below it, or 2 below 1.
    const struct {
        int draw;
        int shown;
    } steps[] = {{2, 1}, {1, 2}, {5, 5}, {5, 4}, {6, 6}, {6, 5}, {3, 3}, {3, 2}, {1, 1}, {1, 2}};
    QSignalSpy changes(&die, &TDieControl::OnChange);
    die.Roll();
    for (const auto& step : steps) {
        draws.push_back(step.draw);
        die.TimerTick();
        EXPECT_EQ(die.Value(), step.shown) << "draw " << step.draw;
    }
    EXPECT_EQ(changes.count(), static_cast<int>(std::size(steps)));
}

TEST_F(DieTest, ARollEndsOnTheTickAfterTheOneThatPassesOneSecond) {
    QSignalSpy changes(&die, &TDieControl::OnChange);
    die.Roll();
    EXPECT_TRUE(die.IsRolling());
    // Tick 17 is the first at 1000 ms or more (1020 ms); tick 18 changes the face once more
    // and stops.
    EXPECT_EQ(RollToRest(), 18);
    EXPECT_EQ(changes.count(), 18);
    EXPECT_FALSE(die.IsRolling());
}

TEST_F(DieTest, ACounterThatWrapsEndsTheRoll) {
    now = 0xFFFFFFF0u;
    die.Roll();
    EXPECT_EQ(RollToRest(), 2);  // the first tick sees a smaller count, the next one stops
}

TEST_F(DieTest, AClickWhileRollingKeepsTheStartAClickAtRestRollsAgain) {
    die.Roll();
    for (int i = 0; i < 10; ++i) {
        now += TDieControl::kTickMs;
        die.TimerTick();
    }
    die.Roll();  // at 600 ms: no new start
    EXPECT_EQ(RollToRest(), 8);
    die.Roll();
    EXPECT_TRUE(die.IsRolling());
    EXPECT_EQ(RollToRest(), 18);
}

TEST_F(DieTest, AClickAfterTheLastSecondBeforeTheLastTickRollsAgain) {
    die.Roll();
    for (int i = 0; i < 17; ++i) {  // tick 17 passes the second: one tick is left
        now += TDieControl::kTickMs;
        die.TimerTick();
    }
    die.Roll();
    EXPECT_EQ(RollToRest(), 18);
}

}  // namespace
}  // namespace circumvia::dialogs
