#include "model/record_review.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/analysis/game_analysis.h"
#include "model/movegen.h"
#include "model/tjeu.h"
#include "tests/model/game_fixtures.h"

namespace circumvia {
namespace {

// A whole game between two computers, levels 1 and 2.
Tjeu FinishedComputerGame() {
    return testing::ComputerGame(1, 2, 2024, 400);
}

Tjeu GameOfFirstMoves(int count) {
    Tjeu game;
    for (int k = 0; k < count; ++k) {
        const Move move = game.SuggestMove(game.Pos, game.SideToMove, 1);
        game.ApplyMove(game.Pos, move.From, move.To);
    }
    return game;
}

TEST(ReviewSteps, LandOnEveryEntryOfAFinishedGameWithTheSideThatMovesNext) {
    const Tjeu game = FinishedComputerGame();
    ASSERT_NE(game.Result, kInProgress);
    const int last = LastRecordedEntry(game);
    ASSERT_GT(last, 10);
    for (int k = 0; k <= last; ++k) {
        Tjeu at = game;
        ReviewGoTo(at, k);
        EXPECT_EQ(at.Current, k);
        EXPECT_EQ(at.Pos, game.History[static_cast<std::size_t>(k)].Cells) << k;
        if (k < last) {
            EXPECT_EQ(at.SideToMove, game.History[static_cast<std::size_t>(k + 1)].Mover) << k;
            EXPECT_EQ(at.Result, kInProgress) << k;
        }
        // The moves after the entry stay recorded, so the game can be stepped forward again.
        EXPECT_EQ(LastRecordedEntry(at), last);
        EXPECT_TRUE(RecordFinished(at)) << k;
    }
}

TEST(ReviewSteps, TellAFinishedRecordFromOneStillInProgress) {
    Tjeu ended_without_moves = GameOfFirstMoves(4);
    ended_without_moves.ApplyMove(ended_without_moves.Pos, 0, 0);  // a side left without moves
    ReviewGoTo(ended_without_moves, 2);
    EXPECT_TRUE(RecordFinished(ended_without_moves));
    EXPECT_TRUE(RecordFinished(FinishedComputerGame()));
    Tjeu stepped_back = GameOfFirstMoves(6);
    ReviewGoTo(stepped_back, 3);
    EXPECT_FALSE(RecordFinished(stepped_back));
    EXPECT_FALSE(RecordFinished(Tjeu()));
}

TEST(ReviewAnalysis, PlayingAnotherMoveDropsTheAnalysisFromThatMoveOn) {
    Tjeu game = GameOfFirstMoves(6);
    AnalysisRun run;
    run.depth = 2;
    GameAnalysis analysis = AnalyseGame(game.History, run);
    ASSERT_EQ(analysis.moves.size(), 6u);
    TrimAnalysisToRecord(analysis, game.History);
    EXPECT_EQ(analysis.moves.size(), 6u);

    ReviewGoTo(game, 3);
    const Move played = analysis.moves[3].played;
    for (const Move move : ListAllMoves(game.Pos, game.SideToMove)) {
        if (move == played) continue;
        game.ApplyMove(game.Pos, move.From, move.To);
        break;
    }
    TrimAnalysisToRecord(analysis, game.History);
    EXPECT_EQ(analysis.moves.size(), 3u);
}

TEST(ReviewAnalysis, MistakeStepsVisitTheMistakesBlundersAndMissedWinsBothWays) {
    const MoveClass classes[] = {MoveClass::kBest,  MoveClass::kInaccuracy, MoveClass::kMistake,
                                 MoveClass::kGood,  MoveClass::kBlunder,    MoveClass::kMissedWin,
                                 MoveClass::kForced};
    GameAnalysis analysis;
    for (const MoveClass move_class : classes) {
        MoveAnalysis move;
        move.number = static_cast<int>(analysis.moves.size()) + 1;
        move.move_class = move_class;
        analysis.moves.push_back(move);
    }
    const auto walk = [&](int from, bool forward) {
        std::vector<int> stops;
        for (int at = NextMistake(analysis, from, forward); at >= 0;
             at = NextMistake(analysis, at, forward))
            stops.push_back(at);
        return stops;
    };
    EXPECT_EQ(walk(0, true), (std::vector<int>{3, 5, 6}));
    EXPECT_EQ(walk(7, false), (std::vector<int>{6, 5, 3}));
    EXPECT_EQ(walk(4, true), (std::vector<int>{5, 6}));
}

// The hint's second opinion is the review's own: the move judged now is judged the same once
// played and reviewed with the game.
TEST(ReviewAnalysis, AMoveJudgedBeforeItIsPlayedIsJudgedAsTheReviewWillJudgeIt) {
    Tjeu game = testing::ComputerGame(2, 3, 7, 12);
    const Move move = ListAllMoves(game.Pos, game.SideToMove).back();
    const std::optional<MoveAnalysis> now = ReviewOfMoveHere(game, move);
    game.ApplyMove(game.Pos, move.From, move.To);
    const GameAnalysis later = AnalyseGame(game.History, AnalysisRun{});
    ASSERT_TRUE(now);
    EXPECT_EQ(now->move_class, later.moves.back().move_class);
    EXPECT_EQ(now->value_played, later.moves.back().value_played);
    EXPECT_EQ(now->best, later.moves.back().best);
}

// Before a marked move the board shows the better move, after it the punishing reply; an
// inaccuracy, a move whose best is itself and a marked move without a line show nothing.
TEST(ReviewAnalysis, TheBoardShowsTheBetterMoveBeforeAMarkedMoveAndTheReplyAfter) {
    const Move played{26, 20};
    const Move better{25, 19};
    const Move reply{8, 20};
    const struct {
        MoveClass move_class;
        Move best;
        std::vector<Move> line;
    } moves[] = {
        {MoveClass::kInaccuracy, better, {reply}},  // 1
        {MoveClass::kMistake, better, {reply}},     // 2
        {MoveClass::kBlunder, played, {}},          // 3: its best is itself, no line
    };
    GameAnalysis analysis;
    for (const auto& m : moves) {
        MoveAnalysis move;
        move.number = static_cast<int>(analysis.moves.size()) + 1;
        move.move_class = m.move_class;
        move.played = played;
        move.best = m.best;
        move.reply_line = m.line;
        analysis.moves.push_back(move);
    }
    const Move expected[] = {Move{}, better, reply, Move{}, Move{}};
    for (int current = 0; current <= 4; ++current) {
        EXPECT_EQ(ReviewArrowAt(analysis, current), expected[current]) << current;
    }
}

}  // namespace
}  // namespace circumvia
