// A move's class at the edges of each band of loss, and how far a decisive value counts.
#include "model/analysis/move_class.h"

#include <gtest/gtest.h>

namespace circumvia {
namespace {

TEST(MoveClass, EachBandOfLossStartsAtItsThresholdWithTheDefaultThresholds) {
    const struct {
        int loss;
        MoveClass expected;
    } cases[] = {
        {0, MoveClass::kBest},        {1, MoveClass::kGood},        {9, MoveClass::kGood},
        {10, MoveClass::kInaccuracy}, {44, MoveClass::kInaccuracy}, {45, MoveClass::kMistake},
        {249, MoveClass::kMistake},   {250, MoveClass::kBlunder},   {600, MoveClass::kBlunder},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LossClass(c.loss, DefaultThresholds()), c.expected) << "loss " << c.loss;
        // A forced move or a missed win is told as such whatever its loss.
        EXPECT_EQ(Classify(c.loss, true, true, DefaultThresholds()), MoveClass::kForced);
        EXPECT_EQ(Classify(c.loss, false, true, DefaultThresholds()), MoveClass::kMissedWin);
    }
}

TEST(MoveLoss, ValuesBeyondThreeHundredEitherWayCountAsThreeHundred) {
    const struct {
        int best;
        int played;
        int loss;
    } cases[] = {
        {40, 10, 30},         {10, 40, 0},  // a move better than the best found loses nothing
        {300, 0, 300},        {30000, 0, 300},   {30000, 299, 1},
        {30000, 300, 0},      {0, -300, 300},    {0, -30000, 300},
        {30000, -30000, 600}, {-299, -30000, 1}, {-30000, -30000, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MoveLoss(c.best, c.played), c.loss) << c.best << " against " << c.played;
    }
}

}  // namespace
}  // namespace circumvia
