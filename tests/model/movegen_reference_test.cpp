// The model's move generator against the literal reference on many positions: random
// playouts from the start (realistic games) and random boards of every density.
#include <gtest/gtest.h>

#include <random>

#include "model/movegen.h"
#include "tests/model/board_fixtures.h"
#include "tests/reference/reference_rules.h"

namespace circumvia {
namespace {

reference::Board ToReference(const Position& p) {
    reference::Board board{};
    for (int cell = 1; cell <= 36; ++cell) board[cell] = p[cell];
    return board;
}

reference::MoveList ToPairs(const Tlcoup& moves) {
    reference::MoveList pairs;
    for (const Move& m : moves) pairs.emplace_back(m.From, m.To);
    return pairs;
}

// Compares every generator output for one position; returns false at the first difference.
void ExpectSameAsReference(const Position& p) {
    const reference::Board board = ToReference(p);
    for (Side side : {kRed, kWhite}) {
        ASSERT_EQ(ToPairs(ListAllMoves(p, side)), reference::ListAllMoves(board, side));
    }
    for (int cell = 1; cell <= 36; ++cell) {
        ASSERT_EQ(ToPairs(ListDestinations(cell, p)), reference::ListDestinations(cell, board))
            << "cell " << cell;
        for (Circuit circuit : {Circuit::Inner, Circuit::Outer}) {
            const CaptureList fast = ScanCaptures(p, circuit, cell);
            const std::vector<int> slow = reference::ScanCaptures(
                board, circuit == Circuit::Inner ? reference::kInner : reference::kOuter, cell);
            ASSERT_EQ(std::vector<int>(fast.begin(), fast.end()), slow) << "cell " << cell;
        }
        for (int to = 1; to <= 36; ++to) {
            const CapturePathCells fast = CapturePath(cell, to, p);
            const std::array<int, 36> slow = reference::CapturePath(cell, to, board);
            ASSERT_TRUE(std::equal(fast.begin(), fast.end(), slow.begin()))
                << "path " << cell << "->" << to;
        }
    }
}

TEST(MoveGenerationAgainstReference, AgreesAlongRandomPlayouts) {
    std::mt19937 rng(20261207);
    int positions = 0;
    for (int game = 0; game < 60; ++game) {
        Position p = Position::Start();
        Side side = game % 2 ? kWhite : kRed;
        for (int ply = 0; ply < 120 && p.Count(kRed) && p.Count(kWhite); ++ply) {
            ExpectSameAsReference(p);
            if (::testing::Test::HasFatalFailure()) {
                ADD_FAILURE() << "game " << game << " ply " << ply;
                return;
            }
            ++positions;
            const Tlcoup moves = ListAllMoves(p, side);
            if (moves.empty()) break;
            ApplyMoveTo(
                p, moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(rng)]);
            side = Opponent(side);
        }
    }
    EXPECT_GT(positions, 3000);
}

TEST(MoveGenerationAgainstReference, AgreesOnRandomBoardsOfEveryDensity) {
    std::mt19937 rng(7);
    for (int i = 0; i < 3000; ++i) {
        Position p;
        const int density = i % 10;  // 0..90 % of the cells filled
        for (int cell = 1; cell <= 36; ++cell) {
            if (static_cast<int>(rng() % 10) < density) p[cell] = 1 + rng() % 2;
        }
        ExpectSameAsReference(p);
        if (::testing::Test::HasFatalFailure()) {
            ADD_FAILURE() << "board " << i;
            return;
        }
    }
}

}  // namespace
}  // namespace circumvia
