// The review of moves from positions the endgame table holds: classed by perfect play, not by
// what a shallow search sees.
#include <gtest/gtest.h>

#include <random>

#include "model/analysis/analysis_search.h"
#include "model/analysis/game_analysis.h"
#include "model/position_text.h"
#include "model/tjeu.h"
#include "tests/model/endgame_fixtures.h"

namespace circumvia::testing {
namespace {

using endgame::Outcome;

// Red's `move` from `start` reviewed one ply deep, with the small table.
MoveAnalysis Reviewed(const Position& start, Move move) {
    Tjeu game;
    game.Pos = start;
    game.SideToMove = kRed;
    game.History.Set(0, HistoryEntry{start, 0, 0, 0});
    game.ApplyMove(game.Pos, move.From, move.To);
    AnalysisSearch search;
    const auto analysis =
        AnalysePosition(search, game.History, 1, 1, DefaultThresholds(), nullptr, &SmallTable());
    return analysis.value_or(MoveAnalysis{});
}

// In won positions of two against two: a move that throws the win away is a blunder, counted
// as one, naming a move that keeps the win, and the fastest win is the best move with nothing
// lost; both carry the table's values.
TEST(ExactReview, ThrowingAWinAwayIsABlunderAndTheFastestWinIsBest) {
    std::mt19937 random(5);
    int throws = 0;
    while (throws < 20) {
        const Position start = RandomPosition(random, 2, 2);
        const auto value = SmallTable().Probe(start, kRed);
        if (!value || value->outcome != Outcome::Win) continue;
        const std::string where = PositionText(start);
        const std::vector<endgame::MoveValue> moves = SmallTable().ProbeMoves(start, kRed);
        const auto value_of = [&](Move move) {
            for (const endgame::MoveValue& m : moves) {
                if (m.move == move) return m.value;
            }
            return endgame::EndgameValue{};
        };
        for (const endgame::MoveValue& move : moves) {
            const MoveAnalysis analysis = Reviewed(start, move.move);
            ASSERT_TRUE(analysis.exact) << where;
            EXPECT_EQ(*value, analysis.exact->best) << where;
            EXPECT_EQ(move.value, analysis.exact->played) << where;
            if (move.value.outcome != Outcome::Win) {
                ++throws;
                EXPECT_EQ(MoveClass::kBlunder, analysis.move_class) << where;
                EXPECT_EQ(*value, value_of(analysis.best)) << where;  // the better move shown
                GameAnalysis game;
                game.moves = {analysis};
                EXPECT_EQ(1, Summarise(game)[kRed].blunders) << where;
            } else if (move.value == *value && !analysis.forced) {
                EXPECT_EQ(MoveClass::kBest, analysis.move_class) << where;
                EXPECT_EQ(0, analysis.loss) << where;
            }
        }
    }
}

// Outside the table, or without one, the search alone judges.
TEST(ExactReview, PositionsBeyondTheTableKeepTheSearchsJudgement) {
    std::mt19937 random(9);
    const Position start = RandomPosition(random, 3, 3);
    const Move move = ListAllMoves(start, kRed).front();
    EXPECT_FALSE(Reviewed(start, move).exact) << PositionText(start);
}

}  // namespace
}  // namespace circumvia::testing
