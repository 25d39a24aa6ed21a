// The search behind SuggestMove: documented proposals, node counts, the early exit on
// taking the last piece, the all-losing root, sides without moves and the score range.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/evaluation.h"
#include "model/position_text.h"
#include "model/tjeu.h"
#include "tests/model/board_fixtures.h"
#include "tests/model/game_fixtures.h"

namespace circumvia {
namespace {

using testing::Board;

bool IsLegal(const Position& p, Side side, Move move) {
    const Tlcoup moves = ListAllMoves(p, side);
    return std::find(moves.begin(), moves.end(), move) != moves.end();
}

TEST(SuggestMove, ProposesTheDocumentedOpeningMoves) {
    Tjeu game;
    const Position start = Position::Start();
    EXPECT_EQ(game.SuggestMove(start, kRed, 1), (Move{26, 20}));
    EXPECT_EQ(game.Depth, 1);
    EXPECT_EQ(game.SuggestMove(start, kRed, 3), (Move{26, 21}));
    EXPECT_EQ(game.Depth, 3);
    EXPECT_EQ(game.SuggestMove(start, kWhite, 1), (Move{8, 14}));
    EXPECT_EQ(game.SuggestMove(start, kWhite, 3), (Move{8, 15}));
    EXPECT_EQ(game.Engine.RootSide, kWhite);
}

TEST(SuggestMove, CountsEveryPositionTheSearchEnters) {
    Tjeu game;
    game.SuggestMove(Position::Start(), kRed, 0);
    EXPECT_EQ(game.Engine.Nodes, 1 + 16);  // the root and its sixteen leaves
    game.SuggestMove(Position::Start(), kRed, 1);
    EXPECT_EQ(game.Engine.Nodes, 110);
    game.SuggestMove(Position::Start(), kRed, 3);
    EXPECT_EQ(game.Engine.Nodes, 8570);
}

TEST(SuggestMove, TakesTheLastPieceWithoutSearchingIt) {
    Tjeu game;
    const Position p = Board({{2, kRed}, {35, kWhite}});
    for (int depth = 1; depth <= 6; ++depth) {
        EXPECT_EQ(game.SuggestMove(p, kRed, depth), (Move{2, 35})) << depth;
        EXPECT_EQ(game.Engine.Nodes, 1) << depth;  // only the root was entered
    }
}

TEST(SuggestMove, AnEarlierProvenWinEndsTheRootLoopBeforeTheCapture) {
    // Red on 2 and 9, White alone on 16. Red's fifth move (9, 16) takes the last piece at
    // once, but the second, (2, 7), already wins by force and nothing after it is tried.
    Tjeu game;
    const Position p = PositionFromText("_R______R______B____________________");
    const Tlcoup moves = ListAllMoves(p, kRed);
    ASSERT_EQ(moves[1], (Move{2, 7}));
    ASSERT_EQ(moves[4].To, 16);
    EXPECT_EQ(game.SuggestMove(p, kRed, 2), (Move{2, 7}));
    EXPECT_EQ(game.Engine.Nodes, 70);
}

TEST(SuggestMove, PlaysARandomLegalMoveWhenEveryMoveLoses) {
    // Red alone in the corner, White on 7 takes it after either step.
    const Position p = Board({{1, kRed}, {7, kWhite}});
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        Tjeu game;
        game.Random.Seed(seed);
        const Move move = game.SuggestMove(p, kRed, 1);
        EXPECT_TRUE(game.Engine.Chosen.IsNull());
        EXPECT_TRUE(IsLegal(p, kRed, move)) << int{move.From} << '-' << int{move.To};
        EXPECT_EQ(game.Engine.Nodes, 5);
    }
}

TEST(SuggestMove, GivesTheNullMoveToASideWithoutMoves) {
    Tjeu game;
    const Position boxed_in = Board({{1, kRed}, {2, kWhite}, {7, kWhite}, {8, kWhite}});
    EXPECT_TRUE(game.SuggestMove(boxed_in, kRed, 3).IsNull());
    EXPECT_EQ(game.Engine.Nodes, 1);
}

TEST(SuggestMove, KeepsTheDepthWithinTheSearchFrames) {
    Tjeu game;
    const Position boxed_in = Board({{1, kRed}, {2, kWhite}, {7, kWhite}, {8, kWhite}});
    game.SuggestMove(boxed_in, kRed, 50);
    EXPECT_EQ(game.Depth, kMaxDepth);
    game.SuggestMove(boxed_in, kRed, -4);
    EXPECT_EQ(game.Depth, 0);
}

TEST(SuggestMove, LeavesTheFramesOfTheLastSearch) {
    Tjeu game;
    game.SuggestMove(Position::Start(), kWhite, 2);
    EXPECT_EQ(game.Engine.SearchStack[0].Cells(), Position::Start());
    EXPECT_EQ(game.Engine.SearchStack[0].side, kWhite);
    EXPECT_EQ(game.Engine.SearchStack[1].side, kRed);
    EXPECT_EQ(game.Engine.SearchStack[3].side, kRed);
    EXPECT_EQ(game.Engine.SearchStack[4].side, 0);  // beyond depth 2 + 1: cleared
}

TEST(SuggestMove, LossesWithARepetitionPenaltyStayInTheScoreRange) {
    // Every Red move loses its only piece, and the position after each Red move is in the
    // record many times: the leaf's loss score minus the penalty must not overflow.
    Tjeu game;
    const Position p = Board({{1, kRed}, {7, kWhite}});
    int k = 0;
    for (const Move m : ListAllMoves(p, kRed)) {
        Position after = p;
        ApplyMoveTo(after, m);
        for (int copies = 0; copies < 30; ++copies) {
            game.History.Set(static_cast<std::size_t>(k++), HistoryEntry{after, kRed, 0, 0});
        }
    }
    game.Current = k;
    Move best;
    int score = 0;
    game.Engine.SetRoot(p, kRed);
    game.Engine.SetRecord(game.History, game.Current);
    game.Engine.Run(1, best, score);  // the leaves lie right after White's capture
    EXPECT_TRUE(best.IsNull());
    EXPECT_EQ(score, kLossScore);
}

// What the engine keeps of its nodes holds as long as the record does: a second search on
// the same record may use it, and still makes the same choice after the same count.
TEST(SearchEngine, SearchingAgainOnTheSameRecordChoosesTheSameAfterTheSameCount) {
    const Position p = PositionFromText("____B__B____R_________R__BR_________");
    Tjeu game;
    Move first;
    int first_score = 0;
    game.Engine.SetRoot(p, kRed);
    game.Engine.SetRecord(game.History, game.Current);
    game.Engine.Run(5, first, first_score);
    const std::int64_t first_nodes = game.Engine.Nodes;
    Move again;
    int again_score = 0;
    game.Engine.SetRoot(p, kRed);
    game.Engine.Run(5, again, again_score);
    EXPECT_EQ(again, first);
    EXPECT_EQ(again_score, first_score);
    EXPECT_EQ(game.Engine.Nodes, first_nodes);
    Tjeu fresh;
    EXPECT_EQ(fresh.SuggestMove(p, kRed, 5), first);
    EXPECT_EQ(fresh.Engine.Nodes, first_nodes);
}

// A new record brings other repetition penalties: nothing kept under the old one is used.
TEST(SearchEngine, ANewRecordIsSearchedAsByANewEngine) {
    const Position p = PositionFromText("____B__B____R_________R__BR_________");
    Tjeu game;
    game.SuggestMove(p, kRed, 5);
    int k = 0;
    for (const Move m : ListAllMoves(p, kRed)) {
        Position after = p;
        ApplyMoveTo(after, m);
        game.History.Set(static_cast<std::size_t>(k++), HistoryEntry{after, kRed, 0, 0});
    }
    game.Current = k;
    Tjeu fresh;
    fresh.History = game.History;
    fresh.Current = game.Current;
    const Move expected = fresh.SuggestMove(p, kRed, 5);
    EXPECT_EQ(game.SuggestMove(p, kRed, 5), expected);
    EXPECT_EQ(game.Engine.Nodes, fresh.Engine.Nodes);
}

}  // namespace
}  // namespace circumvia
