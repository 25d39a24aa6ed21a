// The review's better line opens as a variation: it starts with the best move, plays on
// legally, and leaves the main line and the analysis of it as they were.
#include "model/review_lines.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/analysis/reply_line.h"
#include "model/movegen.h"
#include "model/record_review.h"
#include "tests/model/game_fixtures.h"

namespace circumvia {
namespace {

bool SameMoves(const GameRecord& a, const GameRecord& b) {
    if (RecordedMoveCount(a) != RecordedMoveCount(b)) return false;
    for (int k = 1; k <= RecordedMoveCount(a); ++k) {
        if (a[static_cast<std::size_t>(k)] != b[static_cast<std::size_t>(k)]) return false;
    }
    return true;
}

TEST(BetterLine, OpensBesideTheMainLineWhichStaysAsItWas) {
    Tjeu game = testing::ComputerGame(1, 5, 4, 40);
    AnalysisRun run;
    run.depth = 3;
    const GameRecord main_line = MainLineRecord(game.Tree);
    const GameAnalysis analysis = AnalyseGame(main_line, run);
    int opened = 0;
    for (const MoveAnalysis& move : analysis.moves) {
        if (!OffersBetterLine(move)) continue;
        ++opened;
        const int first = InsertBetterLine(game, move);
        ASSERT_NE(first, kNoNode) << move.number;
        // On the line's first move, the best one; the record runs on along the whole line.
        EXPECT_EQ(game.CurrentNode(), first);
        EXPECT_EQ(game.Current, move.number);
        EXPECT_LT(MainLineShare(game), move.number);
        EXPECT_EQ(BetterLineAt(analysis, game), nullptr) << "in a variation now";
        for (std::size_t k = 0; k < move.better_line.size(); ++k) {
            const HistoryEntry& entry = game.History[static_cast<std::size_t>(move.number) + k];
            const Side side = k % 2 == 0 ? move.mover : Opponent(move.mover);
            const Tlcoup legal = ListAllMoves(
                game.History[static_cast<std::size_t>(move.number) + k - 1].Cells, side);
            EXPECT_EQ((Move{entry.From, entry.To}), move.better_line[k]);
            EXPECT_NE(std::find(legal.begin(), legal.end(), move.better_line[k]), legal.end());
        }
        const Position end =
            game.History[static_cast<std::size_t>(move.number) + move.better_line.size() - 1].Cells;
        EXPECT_TRUE(move.better_line.size() == kBetterLinePlies || end.Count(kRed) == 0 ||
                    end.Count(kWhite) == 0)
            << move.number;
        EXPECT_EQ(move.better_line.front(), move.best);
        // Asked again, the line is there already.
        const int nodes = game.Tree.Size();
        EXPECT_EQ(InsertBetterLine(game, move), first);
        EXPECT_EQ(game.Tree.Size(), nodes);
        EXPECT_TRUE(SameMoves(MainLineRecord(game.Tree), main_line)) << move.number;
    }
    EXPECT_GT(opened, 0) << "a level-1 player makes mistakes";
    // The analysis still matches the main line move for move.
    GameAnalysis kept = analysis;
    TrimAnalysisToRecord(kept, MainLineRecord(game.Tree));
    EXPECT_EQ(kept.moves.size(), analysis.moves.size());
    // An analysis of another game opens nothing.
    MoveAnalysis stale = analysis.moves.front();
    stale.better_line = {stale.played};
    stale.played = Move{1, 1};
    const int nodes = game.Tree.Size();
    EXPECT_EQ(InsertBetterLine(game, stale), kNoNode);
    EXPECT_EQ(game.Tree.Size(), nodes);
}

}  // namespace
}  // namespace circumvia
