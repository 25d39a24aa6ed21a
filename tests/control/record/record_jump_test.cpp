// Jumps through the record from the move list, the rows it lists, and the stored
// animation speed.
#include "control/record/record_jump.h"

#include <gtest/gtest.h>

#include "control/view/animation_speed.h"

namespace circumvia::control {
namespace {

TEST(NearestStop, LandsOnTheNearestStopAndBreaksTiesTheWayAsked) {
    struct Case {
        std::vector<int> stops;
        int current, target, expected;
    };
    const Case cases[] = {
        {{0, 2, 4, 6}, 6, 2, 2},   // a stop itself
        {{0, 2, 4, 6}, 6, 0, 0},   // the start
        {{0, 2, 4, 6}, 0, 6, 6},   // the end
        {{0, 2, 4, 6}, 6, 5, 4},   // between two: the one away from where the record is
        {{0, 2, 4, 6}, 2, 3, 4},   // ... in either direction
        {{0, 2, 4, 6}, 4, 3, 2},   //
        {{1, 3, 5}, 5, 0, 1},      // the computer moved first: the start cannot be reached
        {{0, 2, 5}, 5, 4, 5},      // nearer stays nearer whatever the direction
        {{6}, 6, 1, 6},            // two computers: nowhere to go
        {{0, 2, 4, 6}, 2, 40, 6},  // beyond the record
    };
    for (const Case& c : cases) {
        EXPECT_EQ(NearestStop(c.stops, c.current, c.target), c.expected)
            << "current " << c.current << " target " << c.target;
    }
}

TEST(RecordedMoves, ListsEveryMoveWithItsMoverAndNotationUpToTheReplayableEnd) {
    Tjeu game;
    game.PlayerOf(kRed).Name = "GARNET";
    game.PlayerOf(kWhite).Name = "IVORY";
    game.ApplyMove(game.Pos, 26, 20);
    game.ApplyMove(game.Pos, 8, 14);
    game.ApplyMove(game.Pos, 20, 15);
    game.Current = 1;  // stepped back: moves 2 and 3 are still listed
    const std::vector<MoveRow> rows = RecordedMoves(game);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].number, 1);
    EXPECT_EQ(rows[0].mover, kRed);
    EXPECT_EQ(rows[0].name, "GARNET");
    EXPECT_EQ(rows[0].notation, "E 2->D 2");
    EXPECT_EQ(rows[1].name, "IVORY");
    EXPECT_EQ(rows[1].notation, "B 2->C 2");
    EXPECT_EQ(rows[2].number, 3);

    EXPECT_TRUE(RecordedMoves(Tjeu{}).empty());

    // The null move that ended a drawn game is the last row, with no name.
    game.Current = 3;
    game.ApplyMove(game.Pos, 0, 0);
    ASSERT_EQ(RecordedMoves(game).size(), 4u);
    EXPECT_EQ(RecordedMoves(game).back().mover, 0);
    EXPECT_EQ(RecordedMoves(game).back().name, "");
}

TEST(AnimationSpeedSetting, RoundTripsAndReadsAnythingElseAsDesigned) {
    for (AnimationSpeed speed :
         {AnimationSpeed::kDesigned, AnimationSpeed::kFast, AnimationSpeed::kInstant}) {
        EXPECT_EQ(ParseAnimationSpeed(AnimationSpeedText(speed)), speed);
    }
    for (const char* stored : {"", "Fast", "2", "instant "}) {
        EXPECT_EQ(ParseAnimationSpeed(stored), AnimationSpeed::kDesigned) << stored;
    }
    EXPECT_EQ(SpeedFactor(AnimationSpeed::kDesigned), 1);
    EXPECT_EQ(SpeedFactor(AnimationSpeed::kFast), kFastFactor);
}

}  // namespace
}  // namespace circumvia::control
