// The review's values as a player reads them: the winning-chance curve and its fit, the
// rules' draw by repetition judged with the game's record, and values that hold still from
// one half-move to the next in quiet play.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "model/analysis/game_analysis.h"
#include "model/analysis/winning_chance.h"
#include "model/draw_cause.h"
#include "model/evaluation.h"
#include "tests/model/game_fixtures.h"

namespace circumvia {
namespace {

TEST(WinningChance, MapsValuesOnTheCurveAndForcedResultsToCertainty) {
    const ChanceCurve curve{.scale = 100, .offset = -0.2};
    const struct {
        int value;
        double chance;
    } cases[] = {
        {kWinScore, 1.0}, {kLossScore, 0.0}, {0, 0.450166},        {20, 0.5},
        {120, 0.731059},  {-80, 0.268941},   {1000, 0.9999445515}, {-1000, 0.0000371689},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(WinningChance(c.value, curve), c.chance, 1e-6) << c.value;
    }
    EXPECT_EQ(Pieces(-125), -2.5);
    EXPECT_EQ(Pieces(kWinScore), 0);
}

// Positions scored exactly as a known curve predicts are fitted back to that curve; a
// table with one value only keeps the default.
TEST(WinningChance, TheFitFindsTheCurveTheScoresCameFrom) {
    const ChanceCurve curves[] = {{.scale = 60, .offset = 0}, {.scale = 120, .offset = -0.3}};
    for (const ChanceCurve& truth : curves) {
        std::vector<ChanceSample> samples;
        for (int value = -400; value <= 400; value += 5) {
            samples.push_back({value, WinningChance(value, truth)});
        }
        samples.push_back({kWinScore, 0});  // forced results carry no information
        const ChanceCurve fitted = FitChanceCurve(samples);
        EXPECT_NEAR(fitted.scale, truth.scale, 1e-6 * truth.scale);
        EXPECT_NEAR(fitted.offset, truth.offset, 1e-6);
    }
    const ChanceSample flat[] = {{10, 1}, {10, 0}};
    EXPECT_EQ(FitChanceCurve(flat).scale, DefaultChanceCurve().scale);
}

// Red, three pieces against one, and White shuffle back and forth: the start position comes
// back every four moves, and after move 17 the rules draw the game (it stood there four
// times before move 16 brought it back). The review knows: White's move 16 draws on any
// reply, Red's move 17 draws whatever it is; move 12, the start's fourth sighting, does not.
TEST(RepetitionDraw, IsJudgedWithTheGamesRecord) {
    Tjeu game;
    Position start;
    start[1] = kWhite;
    for (const int cell : {34, 35, 36}) start[cell] = kRed;
    game.Pos = start;
    game.History.Set(0, HistoryEntry{start, 0, 0, 0});
    const int shuffle[][2] = {{34, 28}, {1, 2}, {28, 34}, {2, 1}};
    for (int n = 0; n < 17; ++n) testing::Play(game, shuffle[n % 4][0], shuffle[n % 4][1]);
    ASSERT_EQ(game.Result, kDrawn);
    ASSERT_EQ(game.Current, 17);
    EXPECT_EQ(ReasonOfDraw(game).cause, DrawCause::kRepetition);
    AnalysisRun run;
    run.depth = 3;
    const GameAnalysis analysis = AnalyseGame(game.History, run);
    ASSERT_EQ(analysis.moves.size(), 17u);
    const MoveAnalysis& fourth = analysis.moves[11];
    const MoveAnalysis& fifth = analysis.moves[15];
    const MoveAnalysis& last = analysis.moves[16];
    EXPECT_FALSE(fourth.played_drawn);
    EXPECT_TRUE(fifth.played_drawn);
    EXPECT_EQ(fifth.value_played, 0);
    EXPECT_EQ(fifth.chance_after, 0.5);
    EXPECT_TRUE(last.played_drawn && last.best_drawn);
    EXPECT_EQ(last.value_best, 0);
    // Red stood far better before it let the draw come: the chance it had is gone.
    EXPECT_GT(analysis.moves[14].chance_before, 0.9);
    EXPECT_EQ(last.chance_after, 0.5);
}

// The mean change of Red's value from one move to the next where neither took a piece.
double QuietSwing(const Tjeu& game, bool same_parity) {
    AnalysisRun run;
    run.same_parity = same_parity;
    const GameAnalysis analysis = AnalyseGame(game.History, run);
    const auto red_view = [](const MoveAnalysis& m) {
        return m.mover == kRed ? m.value_played : -m.value_played;
    };
    const auto quiet = [&](const MoveAnalysis& m) {
        const auto n = static_cast<std::size_t>(m.number);
        return game.History[n].Cells.Count(kEmpty) == game.History[n - 1].Cells.Count(kEmpty) &&
               std::abs(m.value_played) < kWinScore;
    };
    double sum = 0;
    int pairs = 0;
    for (std::size_t i = 1; i < analysis.moves.size(); ++i) {
        if (!quiet(analysis.moves[i - 1]) || !quiet(analysis.moves[i])) continue;
        sum += std::abs(red_view(analysis.moves[i]) - red_view(analysis.moves[i - 1]));
        ++pairs;
    }
    return pairs == 0 ? 0 : sum / pairs / kPieceUnits;
}

// Searches whose horizons alternate between the sides make a sawtooth of most of a piece
// per half-move; with one parity the values of a quiet game hold still.
TEST(StableValues, TheHalfMoveSwingOfAQuietGameStaysSmall) {
    const Tjeu game = testing::ComputerGame(5, 5, 2, 40);
    const double stable = QuietSwing(game, true);
    const double sawtooth = QuietSwing(game, false);
    EXPECT_LT(stable, 0.5) << "sawtooth " << sawtooth;
    EXPECT_LT(2 * stable, sawtooth);
}

}  // namespace
}  // namespace circumvia
