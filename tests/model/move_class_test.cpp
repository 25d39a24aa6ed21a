// A move's class at the edges of each band of chance lost, what a move changed in a position
// already decided, how far a decisive value counts in the old loss, and which moves are a
// game's turning points.
#include "model/analysis/move_class.h"

#include <gtest/gtest.h>

#include "model/analysis/game_analysis.h"
#include "model/analysis/winning_chance.h"
#include "model/evaluation.h"

namespace circumvia {
namespace {

TEST(MoveClass, EachBandOfChanceLostStartsAtItsThreshold) {
    const ClassThresholds t = DefaultThresholds();
    ASSERT_LT(0, t.inaccuracy);
    ASSERT_LT(t.inaccuracy, t.mistake);
    ASSERT_LT(t.mistake, t.blunder);
    const struct {
        int loss;
        MoveClass expected;
    } cases[] = {
        {0, MoveClass::kBest},
        {1, MoveClass::kGood},
        {t.inaccuracy - 1, MoveClass::kGood},
        {t.inaccuracy, MoveClass::kInaccuracy},
        {t.mistake - 1, MoveClass::kInaccuracy},
        {t.mistake, MoveClass::kMistake},
        {t.blunder - 1, MoveClass::kMistake},
        {t.blunder, MoveClass::kBlunder},
        {1000, MoveClass::kBlunder},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LossClass(c.loss, t), c.expected) << "loss " << c.loss;
        // A forced move or a missed win is told as such whatever its loss.
        EXPECT_EQ(Classify(c.loss, true, true, t), MoveClass::kForced);
        EXPECT_EQ(Classify(c.loss, false, true, t), MoveClass::kMissedWin);
    }
    EXPECT_EQ(ChanceLoss(0.5, 0.5 - t.mistake / 1000.0), t.mistake);
    EXPECT_EQ(ChanceLoss(0.4, 0.6), 0);  // a move better than the best found loses nothing
}

// A searched move with these values for the mover, its chances taken from the curve.
MoveAnalysis Searched(int best, int played) {
    MoveAnalysis move;
    move.mover = kRed;
    move.value_best = best;
    move.value_played = played;
    move.chance_before = WinningChance(best);
    move.chance_after = WinningChance(played);
    return move;
}

// Forced results weigh as sure wins and losses: throwing away a forced win or walking into
// a forced loss from a game still open is a blunder; in a game already decided a move is
// judged by what it changed, however many pieces it gave away.
TEST(MoveClass, ForcedResultsAndDecidedPositionsAreJudgedByWhatTheMoveChanged) {
    const ClassThresholds t = DefaultThresholds();
    const int piece = kPieceUnits;
    const struct {
        const char* what;
        int best;
        int played;
        MoveClass expected;
    } cases[] = {
        {"a forced win thrown away into an even game", kWinScore, 0, MoveClass::kBlunder},
        {"a forced win thrown away, a piece up", kWinScore, piece, MoveClass::kBlunder},
        {"a forced win delayed beyond sight, eight pieces up", kWinScore, 8 * piece,
         MoveClass::kGood},
        {"from an even game into a forced loss", 0, kLossScore, MoveClass::kBlunder},
        {"eight pieces down, into a forced loss", -8 * piece, kLossScore, MoveClass::kGood},
        {"eight pieces down, two more given away", -8 * piece, -10 * piece, MoveClass::kGood},
        {"even, two pieces given away", 0, -2 * piece, MoveClass::kBlunder},
        {"a forced loss whatever is played", kLossScore, kLossScore, MoveClass::kBest},
    };
    for (const auto& c : cases) {
        const MoveAnalysis move = Searched(c.best, c.played);
        EXPECT_EQ(ChangeClassOf(move, t), c.expected)
            << c.what << ": chance " << move.chance_before << " -> " << move.chance_after;
    }
}

TEST(MoveLoss, ValuesBeyondThreeHundredEitherWayCountAsThreeHundred) {
    const struct {
        int best;
        int played;
        int loss;
    } cases[] = {
        {40, 10, 30},         {10, 40, 0},  // a move better than the best found loses nothing
        {300, 0, 300},        {30000, 0, 300},   {30000, 299, 1},
        {30000, 300, 0},      {0, -300, 300},    {0, -30000, 300},
        {30000, -30000, 600}, {-299, -30000, 1}, {-30000, -30000, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(MoveLoss(c.best, c.played), c.loss) << c.best << " against " << c.played;
    }
}

// Of each player's moves that lost at least a mistake's chance, the three that lost most.
TEST(TurningPoints, AreEachPlayersThreeLargestFallsFromAMistakeUp) {
    const ClassThresholds t = DefaultThresholds();
    const double mistake = t.mistake / 1000.0;
    // Red's and White's falls by turns: Red has five from a mistake up, White two.
    const double falls[] = {mistake / 2, 0.40, 0.05, mistake, 0.30, 0.02,    0.50,
                            0.01,        0.35, 0,    0.20,    0,    mistake, 0};
    GameAnalysis analysis;
    for (std::size_t i = 0; i < std::size(falls); ++i) {
        MoveAnalysis move;
        move.number = static_cast<int>(i) + 1;
        move.mover = i % 2 == 0 ? kRed : kWhite;
        move.chance_before = 0.9;
        move.chance_after = 0.9 - falls[i];
        analysis.moves.push_back(move);
    }
    MarkTurningPoints(analysis, t);
    std::vector<int> marked;
    for (const MoveAnalysis& move : analysis.moves) {
        if (move.turning_point) marked.push_back(move.number);
    }
    // Red: 0.50 (move 7), 0.35 (9), 0.30 (5); White: 0.40 (2), a mistake's (4).
    EXPECT_EQ(marked, (std::vector<int>{2, 4, 5, 7, 9}));
}

}  // namespace
}  // namespace circumvia
