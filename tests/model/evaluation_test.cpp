// Piece values and the evaluation of positions.
#include <gtest/gtest.h>

#include "model/evaluation.h"
#include "model/tjeu.h"
#include "tests/model/board_fixtures.h"

namespace circumvia {
namespace {

using testing::Board;

int SideSum(const Position& p, Side side) {
    int sum = 0;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (p[cell] == side) sum += PieceValue(p, cell);
    }
    return sum;
}

TEST(PieceValue, StartPositionValuesTheFrontRowByItsFreedom) {
    const Position p = Position::Start();
    EXPECT_EQ(PieceValue(p, 25), 52);
    EXPECT_EQ(PieceValue(p, 30), 52);
    for (int cell = 26; cell <= 29; ++cell) EXPECT_EQ(PieceValue(p, cell), 53) << cell;
    for (int cell = 31; cell <= 36; ++cell) EXPECT_EQ(PieceValue(p, cell), 50) << cell;
    EXPECT_EQ(SideSum(p, kRed), 616);
    EXPECT_EQ(SideSum(p, kWhite), 616);
    EXPECT_EQ(Evaluate(p, kRed), 0);
    EXPECT_EQ(Evaluate(p, kWhite), 0);
}

TEST(PieceValue, AMoveChangesTheMoverAndThePiecesBehindIt) {
    Position p = Position::Start();
    ApplyMoveTo(p, {26, 20});
    EXPECT_EQ(PieceValue(p, 20), 56);
    for (int cell : {31, 32, 33}) EXPECT_EQ(PieceValue(p, cell), 51) << cell;
    EXPECT_EQ(Evaluate(p, kRed), 6);
    EXPECT_EQ(Evaluate(p, kWhite), -6);
}

TEST(PieceValue, EachCaptureThreatAddsFiveRepeatsIncluded) {
    const Position p = Board({{2, kRed}, {35, kWhite}});
    // 35 twice on the inner circuit, five empty neighbours.
    EXPECT_EQ(PieceValue(p, 2), 50 + 2 * 5 + 5);
    // 35 sees 2 through the arcs both ways as well; corner-side cell with five neighbours.
    EXPECT_EQ(PieceValue(p, 35), 50 + 2 * 5 + 5);
    EXPECT_EQ(Evaluate(p, kRed), 0);

    const Position crossing = Board({{9, kRed}, {10, kWhite}});
    // (9, 10) three times: outer backward, outer forward, inner backward.
    EXPECT_EQ(PieceValue(crossing, 9), 50 + 3 * 5 + 7);
}

TEST(PieceValue, CornerPiecesOnlyCountTheirFreedom) {
    EXPECT_EQ(PieceValue(Board({{1, kRed}, {2, kWhite}}), 1), 52);
    EXPECT_EQ(PieceValue(Board({{36, kWhite}}), 36), 53);
}

TEST(PieceValue, EmptyCellIsWorthNothing) {
    EXPECT_EQ(PieceValue(Position::Start(), 18), 0);
}

TEST(Evaluate, ASideWithoutPiecesHasLostWhateverTheOtherHolds) {
    const Position red_only = Board({{20, kRed}});
    EXPECT_EQ(Evaluate(red_only, kRed), kWinScore);
    EXPECT_EQ(Evaluate(red_only, kWhite), kLossScore);
    EXPECT_EQ(Evaluate(Board({{20, kWhite}}), kRed), kLossScore);
    EXPECT_EQ(Evaluate(Position{}, kRed), kLossScore);
    EXPECT_EQ(Evaluate(Position{}, kWhite), kLossScore);
    EXPECT_EQ(kLossScore, -kWinScore);
}

TEST(Evaluate, JudgesThePositionAfterTheFirstMove) {
    Position p = Position::Start();
    ApplyMoveTo(p, {26, 20});
    EXPECT_EQ(Evaluate(p, kRed), 6);
    EXPECT_EQ(PieceValue(p, 20), 56);
}

}  // namespace
}  // namespace circumvia
