// The level rules of ComputerMove, with fixed seeds: the depth each level chooses, its
// random moves, the two-computer rule and the side without moves.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

#include "model/tjeu.h"
#include "tests/model/board_fixtures.h"
#include "tests/model/game_fixtures.h"

namespace circumvia {
namespace {

using testing::Board;
using testing::RandomBoard;

// A board with the given numbers of pieces, the same for every call with those numbers.
Position BoardWith(int red, int white) {
    std::mt19937 rng(static_cast<unsigned>(100 * red + white));
    return RandomBoard(rng, red, white);
}

struct Outcome {
    std::map<int, int> depths;  // how often each depth was chosen
    int random_moves = 0;       // moves played without a search
};

// ComputerMove for Red with seeds 1..runs.
Outcome PlayRed(int red_kind, int white_kind, int current, const Position& p, int runs) {
    Outcome outcome;
    for (int seed = 1; seed <= runs; ++seed) {
        Tjeu game;
        game.Players[kRed].Kind = red_kind;
        game.Players[kWhite].Kind = white_kind;
        game.Current = current;
        game.Random.Seed(static_cast<std::uint64_t>(seed));
        const Move move = game.ComputerMove(p, kRed);
        EXPECT_FALSE(move.IsNull());
        ++outcome.depths[game.Depth];
        if (game.Engine.Nodes == 0) ++outcome.random_moves;
    }
    return outcome;
}

std::set<int> Depths(const Outcome& outcome) {
    std::set<int> depths;
    for (const auto& [depth, count] : outcome.depths) depths.insert(depth);
    return depths;
}

TEST(ComputerLevels, LevelOneBehindAlwaysSearchesOneDeep) {
    const Outcome o = PlayRed(1, kHuman, 10, BoardWith(5, 6), 40);
    EXPECT_EQ(Depths(o), std::set<int>{1});
    EXPECT_EQ(o.random_moves, 0);
}

TEST(ComputerLevels, LevelOneNotBehindPlaysRandomlyHalfTheTime) {
    const Outcome o = PlayRed(1, kHuman, 10, BoardWith(6, 6), 200);
    EXPECT_EQ(Depths(o), (std::set<int>{0, 1}));
    EXPECT_EQ(o.random_moves, o.depths.at(0));
    EXPECT_GT(o.random_moves, 70);
    EXPECT_LT(o.random_moves, 130);
}

TEST(ComputerLevels, LevelsTwoAndThreeSearchTheirDepthWhenBehind) {
    EXPECT_EQ(Depths(PlayRed(2, kHuman, 10, BoardWith(5, 6), 30)), std::set<int>{2});
    EXPECT_EQ(Depths(PlayRed(3, kHuman, 10, BoardWith(5, 6), 30)), std::set<int>{3});
}

TEST(ComputerLevels, LevelsTwoAndThreeSometimesPlayRandomlyWhenNotBehind) {
    const Outcome two = PlayRed(2, kHuman, 10, BoardWith(6, 6), 150);
    EXPECT_EQ(Depths(two), (std::set<int>{0, 2}));
    EXPECT_GT(two.random_moves, 30);  // one in three
    EXPECT_LT(two.random_moves, 70);
    const Outcome three = PlayRed(3, kHuman, 10, BoardWith(6, 6), 160);
    EXPECT_EQ(Depths(three), (std::set<int>{0, 3}));
    EXPECT_GT(three.random_moves, 25);  // one in four
    EXPECT_LT(three.random_moves, 60);
}

TEST(ComputerLevels, AComfortableLeadDrawsAShallowerDepth) {
    const Position ahead = BoardWith(9, 4);
    EXPECT_EQ(Depths(PlayRed(2, kHuman, 10, ahead, 60)), (std::set<int>{0, 1, 2}));
    EXPECT_EQ(Depths(PlayRed(3, kHuman, 10, ahead, 60)), (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(Depths(PlayRed(4, kHuman, 10, ahead, 60)), (std::set<int>{0, 1, 2, 3}));
    EXPECT_EQ(Depths(PlayRed(5, kHuman, 10, ahead, 80)), (std::set<int>{0, 1, 2, 3, 4}));
}

TEST(ComputerLevels, LevelsFourAndFiveOpenWithRandomMoves) {
    const Position p = Position::Start();
    for (int current : {0, 1, 2}) {
        for (int level : {4, 5}) {
            const Outcome o = PlayRed(level, kHuman, current, p, 10);
            EXPECT_EQ(Depths(o), std::set<int>{0}) << level << " at " << current;
            EXPECT_EQ(o.random_moves, 10);
        }
    }
}

TEST(ComputerLevels, LevelsFourAndFiveDeepenAsTheGameGoesOn) {
    const Position p = BoardWith(7, 6);
    const std::pair<int, int> kLevelFour[] = {{3, 2}, {5, 2}, {6, 3}, {40, 3}};
    for (const auto& [current, depth] : kLevelFour) {
        EXPECT_EQ(Depths(PlayRed(4, kHuman, current, p, 3)), std::set<int>{depth}) << current;
    }
    const std::pair<int, int> kLevelFive[] = {{3, 2}, {5, 2}, {6, 3}, {7, 3}, {8, 4}, {40, 4}};
    for (const auto& [current, depth] : kLevelFive) {
        EXPECT_EQ(Depths(PlayRed(5, kHuman, current, p, 3)), std::set<int>{depth}) << current;
    }
}

TEST(ComputerLevels, LevelFiveLooksEightMovesAheadInTheEndgame) {
    for (int current : {0, 4, 30}) {
        EXPECT_EQ(Depths(PlayRed(5, kHuman, current, BoardWith(3, 2), 2)), std::set<int>{7});
    }
    EXPECT_EQ(Depths(PlayRed(5, kHuman, 8, BoardWith(4, 2), 2)), std::set<int>{4});
}

TEST(ComputerLevels, TwoComputersReplaceAboutOneSearchInSeven) {
    Outcome o = PlayRed(4, 4, 10, BoardWith(5, 5), 350);
    EXPECT_EQ(Depths(o), (std::set<int>{0, 3}));
    EXPECT_GT(o.random_moves, 30);  // 50 expected
    EXPECT_LT(o.random_moves, 75);
    Tjeu game;
    game.Players[kRed].Kind = 4;
    game.ComputerMove(BoardWith(5, 5), kRed);
    EXPECT_TRUE(game.BothComputers);
    game.Players[kWhite].Kind = kHuman;
    game.ComputerMove(BoardWith(5, 5), kRed);
    EXPECT_FALSE(game.BothComputers);
}

TEST(ComputerLevels, AnUnknownLevelKeepsTheDepthWithinTheFrames) {
    const Position boxed_in = Board({{1, kRed}, {2, kWhite}, {7, kWhite}, {8, kWhite}});
    Tjeu game;
    game.Players[kRed].Kind = 9;
    game.Players[kWhite].Kind = kHuman;  // no two-computer draw
    game.Depth = 2;
    game.ComputerMove(BoardWith(4, 4), kRed);
    EXPECT_EQ(game.Depth, 2);
    game.Depth = 50;
    game.ComputerMove(boxed_in, kRed);
    EXPECT_EQ(game.Depth, kMaxDepth);
}

TEST(ComputerMove, ASideWithoutMovesGetsTheNullMoveAndTheGameIsDrawn) {
    Tjeu game;
    game.Pos = Board({{1, kRed}, {2, kWhite}, {7, kWhite}, {8, kWhite}});
    game.Players[kRed].Kind = 5;
    const Move move = game.ComputerMove(game.Pos, kRed);
    EXPECT_TRUE(move.IsNull());
    game.ApplyMove(game.Pos, move.From, move.To);
    EXPECT_EQ(game.Result, kDrawn);
}

TEST(ComputerMove, ASeededGameReplaysExactly) {
    const auto play = [] {
        Tjeu game;
        game.Players[kRed].Kind = 3;
        game.Players[kWhite].Kind = 2;
        game.Random.Seed(42);
        std::vector<Move> moves;
        for (int n = 0; n < 40 && game.Result == kInProgress; ++n) {
            const Move move = game.ComputerMove(game.Pos, game.SideToMove);
            moves.push_back(move);
            game.ApplyMove(game.Pos, move.From, move.To);
        }
        return moves;
    };
    EXPECT_EQ(play(), play());
}

}  // namespace
}  // namespace circumvia
