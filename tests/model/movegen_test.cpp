// Hand-worked positions for the move generator.
#include "model/movegen.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/model/board_fixtures.h"

namespace circumvia {
namespace {

using testing::Board;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing::Moves;
using testing::PathCells;

std::vector<int> Captures(const Position& p, Circuit circuit, int cell) {
    const CaptureList list = ScanCaptures(p, circuit, cell);
    return {list.begin(), list.end()};
}

TEST(StartPosition, RedHasSixteenStepsInGenerationOrder) {
    EXPECT_EQ(ListAllMoves(Position::Start(), kRed), Moves({{25, 19},
                                                            {25, 20},
                                                            {26, 19},
                                                            {26, 20},
                                                            {26, 21},
                                                            {27, 20},
                                                            {27, 21},
                                                            {27, 22},
                                                            {28, 21},
                                                            {28, 22},
                                                            {28, 23},
                                                            {29, 22},
                                                            {29, 23},
                                                            {29, 24},
                                                            {30, 23},
                                                            {30, 24}}));
}

TEST(StartPosition, WhiteMirrorsRedAndNobodyCaptures) {
    const Tlcoup white = ListAllMoves(Position::Start(), kWhite);
    ASSERT_EQ(white.size(), 16u);
    EXPECT_EQ(Tlcoup(white.begin(), white.begin() + 5),
              Moves({{7, 13}, {7, 14}, {8, 13}, {8, 14}, {8, 15}}));
    EXPECT_EQ(Tlcoup(white.end() - 2, white.end()), Moves({{12, 17}, {12, 18}}));
    for (int cell = 1; cell <= 36; ++cell) {
        EXPECT_THAT(Captures(Position::Start(), Circuit::Inner, cell), IsEmpty());
        EXPECT_THAT(Captures(Position::Start(), Circuit::Outer, cell), IsEmpty());
    }
}

TEST(Captures, WalksGoRoundArcsBothWaysAndKeepRepeatedTargets) {
    const Position p = Board({{2, kRed}, {35, kWhite}});
    // Backward through the arcs 32-25 and 30-35, forward through 2-7 and 12-5.
    EXPECT_THAT(Captures(p, Circuit::Inner, 2), ElementsAre(35, 35));
    EXPECT_EQ(ListDestinations(2, p),
              Moves({{2, 35}, {2, 35}, {2, 1}, {2, 7}, {2, 8}, {2, 3}, {2, 9}}));
}

TEST(Captures, EnemyBeforeAnyArcBlocksOnlyThatWalk) {
    const Position p = Board({{9, kRed}, {10, kWhite}});
    // The forward inner walk meets 10 straight along row 2; every other walk reaches it
    // after going round the circuit: outer twice, inner backward once.
    EXPECT_THAT(Captures(p, Circuit::Outer, 9), ElementsAre(10, 10));
    EXPECT_THAT(Captures(p, Circuit::Inner, 9), ElementsAre(10));
    const Tlcoup moves = ListDestinations(9, p);
    EXPECT_EQ(Tlcoup(moves.begin(), moves.begin() + 4), Moves({{9, 10}, {9, 10}, {9, 10}, {9, 2}}));
}

TEST(Captures, OwnPieceBlocksWhereAnEnemyWouldBeTaken) {
    // Red on 2 with its own piece on 7 (right after the arc forward) and on 32 (right after
    // the arc backward): both walks stop at Red pieces, nothing is captured.
    const Position blocked = Board({{2, kRed}, {7, kRed}, {32, kRed}, {35, kWhite}});
    EXPECT_THAT(Captures(blocked, Circuit::Inner, 2), IsEmpty());
    // A piece right behind an arc can be captured: the arc counts before the cell is looked at.
    const Position behindArc = Board({{2, kRed}, {7, kWhite}});
    EXPECT_THAT(Captures(behindArc, Circuit::Inner, 2), ElementsAre(7, 7));
}

TEST(Captures, WalkPassesItsOwnStartCellAtACrossing) {
    // Red alone on 8 (inner positions 3 and 24), White on 14 (position 23). From position 3
    // backward the walk goes 7, round the arc to 2, through 8 itself, and takes 14; from 3
    // forward and 24 forward it goes the long way round; from 24 backward 14 is met at once
    // on the line and blocks.
    const Position p = Board({{8, kRed}, {14, kWhite}});
    EXPECT_THAT(Captures(p, Circuit::Inner, 8), ElementsAre(14, 14, 14));
    EXPECT_THAT(Captures(p, Circuit::Outer, 8), IsEmpty());  // 8 is not on the outer circuit
}

TEST(Captures, LonePieceHasOnlySteps) {
    const Position p = Board({{15, kWhite}});
    EXPECT_THAT(Captures(p, Circuit::Outer, 15), IsEmpty());
    EXPECT_EQ(ListDestinations(15, p).size(), 8u);
}

TEST(Captures, EmptyCellHasNoCapturesButListsSteps) {
    const Position p = Board({{9, kRed}});
    EXPECT_THAT(Captures(p, Circuit::Inner, 10), IsEmpty());
    EXPECT_EQ(ListDestinations(10, p).size(), 7u);  // 8 neighbours, one of them occupied
}

TEST(Steps, CornerPiecesOnlyStepAtMostThreeWays) {
    Position p = Position::Start();
    for (int corner : {1, 6, 31, 36}) {
        Position alone = Board({{corner, kRed}, {corner == 1 ? 36 : 1, kWhite}});
        const Tlcoup moves = ListDestinations(corner, alone);
        EXPECT_EQ(moves.size(), 3u) << corner;
        // In the start position corners are hemmed in by their own side.
        EXPECT_TRUE(ListDestinations(corner, p).empty());
    }
    EXPECT_EQ(ListDestinations(1, Board({{1, kRed}})), Moves({{1, 7}, {1, 2}, {1, 8}}));
    EXPECT_EQ(ListDestinations(36, Board({{36, kRed}})), Moves({{36, 29}, {36, 35}, {36, 30}}));
}

TEST(Steps, NeighbourOrderIsColumnLeftThenSameThenRight) {
    EXPECT_EQ(ListDestinations(15, Board({{15, kRed}, {9, kRed}})),
              Moves({{15, 8}, {15, 14}, {15, 20}, {15, 21}, {15, 10}, {15, 16}, {15, 22}}));
}

TEST(Order, OuterCapturesComeBeforeInnerCapturesBeforeSteps) {
    // 9 lies on both circuits; with 10 White every walk but the inner forward one takes it.
    const Tlcoup moves = ListDestinations(9, Board({{9, kRed}, {10, kWhite}}));
    ASSERT_EQ(moves.size(), 3u + 7u);
    EXPECT_EQ(moves[3], (Move{9, 2}));
}

TEST(CapturePath, FollowsArcsAndRepeatsACrossingCell) {
    const Position p = Board({{2, kRed}, {35, kWhite}});
    EXPECT_THAT(PathCells(CapturePath(2, 35, p)),
                ElementsAre(8, 14, 20, 26, 32, 25, 26, 27, 28, 29, 30, 35));
}

TEST(CapturePath, PrefersOuterThenBackwardThenEarlierOccurrence) {
    // Red 9 takes White 10: the outer circuit's backward walk from 9 (position 24) comes first,
    // down column 3, round the arc to row 4, up column 4 and round to row 3.
    const Position p = Board({{9, kRed}, {10, kWhite}});
    EXPECT_THAT(PathCells(CapturePath(9, 10, p)),
                ElementsAre(15, 21, 27, 33, 19, 20, 21, 22, 23, 24, 34, 28, 22, 16, 10));
}

TEST(CapturePath, IsEmptyForStepsAndBlockedRoutes) {
    const Position p = Board({{2, kRed}, {35, kWhite}});
    EXPECT_THAT(PathCells(CapturePath(2, 8, p)), IsEmpty());
    EXPECT_THAT(PathCells(CapturePath(9, 10, Board({{9, kRed}, {10, kRed}}))), IsEmpty());
    // The backward walk meets 8 on the line before any arc and fails; the forward one
    // rounds the arc to 7 and takes 8.
    EXPECT_THAT(PathCells(CapturePath(2, 8, Board({{2, kRed}, {8, kWhite}}))), ElementsAre(7, 8));
}

TEST(ApplyMove, MovesThePieceAndOverwritesAVictim) {
    Position p = Board({{2, kRed}, {35, kWhite}});
    ApplyMoveTo(p, {2, 35});
    EXPECT_EQ(p, Board({{35, kRed}}));
}

}  // namespace
}  // namespace circumvia
