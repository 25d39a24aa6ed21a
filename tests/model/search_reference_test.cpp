// The fast evaluation, move generation and search against the literal reference, on
// random boards of every density, positions from random games, records with repeated
// positions, and endgames searched deep. Moves, values, chosen moves and node counts must
// all be identical.
#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <random>

#include "model/evaluation.h"
#include "model/position_text.h"
#include "model/tjeu.h"
#include "tests/model/board_fixtures.h"
#include "tests/model/game_fixtures.h"

namespace circumvia {
namespace {

using testing::FromReference;
using testing::PlayRandomGame;
using testing::RandomBoard;
using testing::RandomPlayout;
using testing::ToMove;
using testing::ToReference;

bool OnCircuitTwice(int cell) {
    for (Circuit circuit : {Circuit::Outer, Circuit::Inner}) {
        const int first = FindOnCircuit(circuit, cell, 1);
        if (first > 0 && FindOnCircuit(circuit, cell, first + 1) > 0) return true;
    }
    return false;
}

// Every cell filled with the given chance (in tenths), each piece of a random side.
Position RandomDenseBoard(std::mt19937& rng, int tenths) {
    Position p;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (static_cast<int>(rng() % 10) < tenths)
            p[cell] = static_cast<std::uint8_t>(1 + rng() % 2);
    }
    return p;
}

// The search passes over leaves whose value, whatever their threats, cannot matter.
void ExpectThreatsWithinTheirRange(const Position& p) {
    const PackedBoard board = PackedBoard::From(p);
    if (board.pieces[kRed] == 0 || board.pieces[kWhite] == 0) return;
    ASSERT_LE(std::abs(RedMinusWhite(board) - RedMinusWhiteWithoutThreats(board)),
              ThreatValueRange(board))
        << PositionText(p);
}

void ExpectSameJudgement(const Position& p) {
    const reference::Board board = ToReference(p);
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (p[cell] == kEmpty) continue;
        ASSERT_EQ(PieceValue(p, cell), reference::PieceValue(board, cell))
            << PositionText(p) << " cell " << cell;
    }
    for (Side side : {kRed, kWhite}) {
        ASSERT_EQ(Evaluate(p, side), reference::Evaluate(board, side))
            << PositionText(p) << " side " << side;
        std::array<Move, kMaxMoves> moves;
        const PackedBoard packed = PackedBoard::From(p);
        const int count = packed.GenerateMoves(side, moves.data());
        reference::MoveList expected = reference::ListAllMoves(board, side);
        ASSERT_EQ(count, static_cast<int>(expected.size())) << PositionText(p);
        for (int i = 0; i < count; ++i) ASSERT_EQ(moves[i], ToMove(expected[i])) << PositionText(p);
    }
    ASSERT_EQ(PackedBoard::From(p).ToPosition(), p);
    ASSERT_EQ(PackedBoard::From(p).key, KeyOf(p));
    ExpectThreatsWithinTheirRange(p);
}

TEST(FastEvaluationAgainstReference, AgreesOnRandomBoardsOfEveryDensity) {
    std::mt19937 rng(404);
    for (int i = 0; i < 4000; ++i) {
        ExpectSameJudgement(RandomDenseBoard(rng, i % 11));
        if (HasFatalFailure()) return;
    }
}

TEST(FastEvaluationAgainstReference, AgreesOnFewPiecesAndAfterEveryMove) {
    // Boards with few pieces reach the rare walks (a circuit empty but for one region);
    // the packed board updated move by move must equal one packed afresh.
    std::mt19937 rng(405);
    for (int i = 0; i < 3000; ++i) {
        const Position p = RandomBoard(rng, 1 + i % 4, 1 + (i / 4) % 4);
        ExpectSameJudgement(p);
        if (HasFatalFailure()) return;
        for (Side side : {kRed, kWhite}) {
            for (const Move m : ListAllMoves(p, side)) {
                PackedBoard packed = PackedBoard::From(p);
                packed.Apply(m, side);
                Position after = p;
                ApplyMoveTo(after, m);
                const PackedBoard fresh = PackedBoard::From(after);
                ASSERT_EQ(packed.pieces, fresh.pieces);
                ASSERT_EQ(packed.occupied, fresh.occupied);
                ASSERT_EQ(packed.open_sum, fresh.open_sum);
                ASSERT_EQ(packed.own_pairs, fresh.own_pairs);
                ASSERT_EQ(packed.key, fresh.key);
                ASSERT_EQ(Evaluate(packed, side), reference::Evaluate(ToReference(after), side));
            }
        }
    }
}

TEST(BoardTables, EightCrossingCellsEachOnOneCircuitWithRegionsApart) {
    // The evaluation finds a crossing by its cell and takes at most one region per circuit
    // to hold all of that circuit's pieces.
    const BoardTables& t = Tables();
    int crossings = 0;
    for (int cell = 1; cell <= kCellCount; ++cell) crossings += OnCircuitTwice(cell);
    EXPECT_EQ(crossings, 8);
    EXPECT_EQ(std::popcount(t.crossing_cells), 8);
    for (const CrossingCell& x : t.crossings) {
        EXPECT_EQ(t.crossings[t.crossing_index[x.cell]].cell, x.cell);
        for (const CrossingCell& y : t.crossings) {
            if (x.cell != y.cell && x.circuit == y.circuit) {
                EXPECT_EQ(x.region & y.region, 0u);
            }
        }
    }
}

TEST(FastEvaluationAgainstReference, AgreesWithAPieceOnACrossingCellAndAnyTwoOthers) {
    // Threats that walk past their own piece are counted only for pieces on the cells where
    // a circuit crosses itself; with three pieces every case of loop and region is reached.
    for (int crossing = 1; crossing <= kCellCount; ++crossing) {
        if (!OnCircuitTwice(crossing)) continue;
        for (int a = 1; a <= kCellCount; ++a) {
            for (int b = a + 1; b <= kCellCount; ++b) {
                if (a == crossing || b == crossing) continue;
                for (int sides = 0; sides < 8; ++sides) {
                    Position p;
                    p[crossing] = static_cast<std::uint8_t>(1 + (sides & 1));
                    p[a] = static_cast<std::uint8_t>(1 + ((sides >> 1) & 1));
                    p[b] = static_cast<std::uint8_t>(1 + ((sides >> 2) & 1));
                    for (Side side : {kRed, kWhite}) {
                        ASSERT_EQ(Evaluate(p, side), reference::Evaluate(ToReference(p), side))
                            << PositionText(p) << " side " << side;
                    }
                    ExpectThreatsWithinTheirRange(p);
                }
            }
        }
    }
}

// SuggestMove in both implementations on the game's own record, with the same random
// numbers for a random fallback: same move, same node count.
void ExpectSameSuggestion(Tjeu& game, reference::Game& oracle, const Position& p, Side side,
                          int depth) {
    game.Random.Seed(static_cast<std::uint64_t>(depth));
    RandomSource draws;
    draws.Seed(static_cast<std::uint64_t>(depth));
    const Move fast = game.SuggestMove(p, side, depth);
    const reference::Move slow = reference::SuggestMove(oracle, ToReference(p), side, depth,
                                                        [&draws](int n) { return draws.Draw(n); });
    ASSERT_EQ(fast, ToMove(slow)) << PositionText(p) << " side " << side << " depth " << depth;
    ASSERT_EQ(game.Engine.Nodes, oracle.nodes)
        << PositionText(p) << " side " << side << " depth " << depth;
}

TEST(FastSearchAgainstReference, AgreesOnPositionsFromRandomGames) {
    std::mt19937 rng(2024);
    for (int i = 0; i < 2000; ++i) {
        Side side = kRed;
        const Position p = RandomPlayout(rng, static_cast<int>(rng() % 60), side);
        Tjeu game;
        reference::Game oracle;
        // Shallow everywhere, deeper on a sample: the oracle is slow.
        const int depth = i % 10 == 0 ? 2 : i % 2;
        ExpectSameSuggestion(game, oracle, p, side, depth);
        if (HasFatalFailure()) return;
        if (i % 200 == 0) ExpectSameSuggestion(game, oracle, p, side, 3);
        if (HasFatalFailure()) return;
    }
}

TEST(FastSearchAgainstReference, AgreesWithRecordsFullOfRepetitions) {
    std::mt19937 rng(77);
    for (int i = 0; i < 120; ++i) {
        Tjeu game;
        reference::Game oracle;
        PlayRandomGame(rng, 10 + static_cast<int>(rng() % 50), game, oracle);
        ASSERT_EQ(FromReference(oracle.pos), game.Pos);
        if (!testing::BothSidesHavePieces(game.Pos)) continue;
        ExpectSameSuggestion(game, oracle, game.Pos, game.SideToMove, i % 8 == 0 ? 3 : 1 + i % 2);
        if (HasFatalFailure()) return;
        ASSERT_EQ(game.RepetitionCount(game.Pos), reference::RepetitionCount(oracle, oracle.pos));
    }
}

TEST(FastSearchAgainstReference, AgreesOnEndgamesSearchedDeep) {
    std::mt19937 rng(8);
    for (int i = 0; i < 24; ++i) {
        const Position p = RandomBoard(rng, 1 + i % 3, 1 + (i / 3) % 3);
        Tjeu game;
        reference::Game oracle;
        ExpectSameSuggestion(game, oracle, p, i % 2 ? kWhite : kRed, i < 20 ? 5 : 7);
        if (HasFatalFailure()) return;
    }
}

// A side whose pieces sit in corners walled in by enemy pieces: nodes without moves turn up
// at every level, the last expanding ones included.
Position HemmedInBoard(std::mt19937& rng) {
    constexpr int kCorners[] = {1, 6, 31, 36};
    const std::uint8_t hemmed = rng() % 2 ? kRed : kWhite;
    const std::uint8_t wall = hemmed == kRed ? kWhite : kRed;
    Position p;
    for (int corner : kCorners) {
        if (rng() % 3 == 0) continue;
        p[corner] = hemmed;
        for (std::uint8_t neighbour : NeighboursOf(corner)) {
            if (rng() % 6 != 0) p[neighbour] = wall;
        }
    }
    for (int extra = static_cast<int>(rng() % 3); extra > 0; --extra) {
        const int cell = 1 + static_cast<int>(rng() % kCellCount);
        if (p[cell] == kEmpty) p[cell] = rng() % 2 ? kRed : kWhite;
    }
    return p;
}

// Both games start from `p` with `side` to move.
void StartBoth(Tjeu& game, reference::Game& oracle, const Position& p, Side side) {
    game.Pos = p;
    game.SideToMove = side;
    game.History.Set(0, HistoryEntry{p, 0, 0, 0});
    oracle.pos = ToReference(p);
    oracle.sideToMove = side;
    oracle.history[0].cells = oracle.pos;
}

// Moves back and forth first, so that the searches meet repeated positions: a node
// without moves is scored without the penalty, its siblings with it.
TEST(FastSearchAgainstReference, AgreesWhereASideIsHemmedIn) {
    std::mt19937 rng(31);
    for (int i = 0; i < 200; ++i) {
        const Position p = HemmedInBoard(rng);
        if (!testing::BothSidesHavePieces(p)) continue;
        Tjeu game;
        reference::Game oracle;
        StartBoth(game, oracle, p, i % 2 ? kWhite : kRed);
        PlayRandomGame(rng, static_cast<int>(rng() % 30), game, oracle);
        ExpectSameSuggestion(game, oracle, game.Pos, game.SideToMove, 1 + i % 4);
        if (HasFatalFailure()) return;
    }
}

// Deep searches meet the same position again and again with other windows and penalties;
// after moves back and forth many of them repeat the record's positions.
TEST(FastSearchAgainstReference, AgreesOnEndgamesWithRepeatedPositionsSearchedDeep) {
    std::mt19937 rng(12);
    for (int i = 0; i < 60; ++i) {
        const Position p = RandomBoard(rng, 1 + i % 3, 1 + (i / 3) % 3);
        Tjeu game;
        reference::Game oracle;
        StartBoth(game, oracle, p, i % 2 ? kWhite : kRed);
        PlayRandomGame(rng, 8 + static_cast<int>(rng() % 30), game, oracle);
        ExpectSameSuggestion(game, oracle, game.Pos, game.SideToMove, 4 + i % 3);
        if (HasFatalFailure()) return;
    }
}

// ComputerMove in both implementations, fed the same random numbers.
TEST(FastComputerMoveAgainstReference, AgreesOnEveryLevelWithTheSameDraws) {
    std::mt19937 rng(99);
    for (int i = 0; i < 150; ++i) {
        Side side = kRed;
        const Position p = RandomPlayout(rng, static_cast<int>(rng() % 80), side);
        if (!testing::BothSidesHavePieces(p)) continue;
        Tjeu game;
        reference::Game oracle;
        const int level = i % 6;
        const int other = static_cast<int>(rng() % 6);
        game.Players[side].Kind = oracle.kind[side] = level;
        game.Players[Opponent(side)].Kind = oracle.kind[Opponent(side)] = other;
        // Up to move 8 levels 4 and 5 search at most 3 deep, which keeps the oracle quick;
        // the deeper searches are compared above.
        game.Current = oracle.current = static_cast<int>(rng() % 8);
        game.Random.Seed(static_cast<std::uint64_t>(i));
        RandomSource draws;
        draws.Seed(static_cast<std::uint64_t>(i));
        const Move fast = game.ComputerMove(p, side);
        const reference::Move slow = reference::ComputerMove(
            oracle, ToReference(p), side, [&draws](int n) { return draws.Draw(n); });
        ASSERT_EQ(fast, ToMove(slow)) << PositionText(p) << " level " << level << " seed " << i;
        ASSERT_EQ(game.Depth, oracle.depth);
        ASSERT_EQ(game.BothComputers, oracle.bothComputers);
        if (game.Depth > 0) {
            ASSERT_EQ(game.Engine.Nodes, oracle.nodes);
        }
        // Both consumed the same number of draws.
        ASSERT_EQ(game.Random.Draw(1000000), draws.Draw(1000000));
    }
}

}  // namespace
}  // namespace circumvia
