#pragma once
// The survey the review's winning-chance curve and class thresholds were chosen from:
// computer games of mixed levels, every move analysed; the curve fitted on the positions'
// values and how the games ended, checked by bands of value; per class of move (and per
// band of chance lost) how often the side that made such a move went on to win or lose; and
// the half-move swing of the values in quiet play.

#include <array>
#include <cstdint>
#include <iosfwd>
#include <ostream>
#include <vector>

#include "model/analysis/move_class.h"
#include "model/analysis/position_analysis.h"
#include "model/analysis/winning_chance.h"

namespace circumvia::cli {

struct SurveyPlan {
    int games = 1000;
    int depth = 5;
    int first_seed = 1;
    int threads = 0;          // 0: one per core
    bool same_parity = true;  // AnalysisRun::same_parity
    // When set, every analysed move also goes to this file as a line of tab-separated
    // numbers: seed, Red's level, White's level, result, move number, mover, value_best,
    // value_played, forced, missed_win, captured (the move took a piece). Other
    // thresholds can be tried on it later.
    std::ostream* moves_out = nullptr;
};

// How the games went on after moves of one kind.
struct Outcomes {
    std::int64_t moves = 0;
    std::int64_t won = 0;  // by the side that made the move
    std::int64_t lost = 0;
    double chance_before = 0;  // sums over the moves, divided when shown
    double scored = 0;
};

// One analysed move of a survey, as its moves file keeps it.
struct SurveyMove {
    int seed = 0;
    int result = 0;  // the game's, Tjeu::Result
    MoveAnalysis move;
    bool captured = false;
};

// Predicted against observed winning chance over the positions whose value lies in one band.
struct ChanceBin {
    std::int64_t positions = 0;
    double predicted = 0;  // sums, divided when shown
    double observed = 0;
};

struct SurveyResult {
    int games = 0;
    std::int64_t moves = 0;
    std::array<Outcomes, 7> by_class{};  // indexed by MoveClass
    std::vector<Outcomes> by_loss;       // one per band of kChanceLossBands
    // By the mover's standing before the move (behind, level, ahead: kLevelBand), then by
    // class: whether the game was already going one way shows apart from the move.
    std::array<std::array<Outcomes, 7>, 3> by_standing{};
    ChanceCurve fitted;               // fitted on these games' positions
    std::vector<ChanceBin> by_value;  // one per band of kValueBands, with the default curve
    // The change of Red's value from one move to the next where neither took a piece and
    // neither value is forced, in evaluation units: the half-move swing of quiet play.
    std::vector<int> quiet_swings;
    double seconds = 0;
};

// A mover whose chance before the move lies within this (tenths of a percent) of one half
// stands level; beyond it, ahead or behind.
inline constexpr int kLevelBand = 150;

// Lower ends of the bands of chance lost (tenths of a percent); the last is open above.
inline constexpr std::array<int, 12> kChanceLossBands = {0,   1,   10,  20,  40,  60,
                                                         100, 150, 200, 300, 450, 600};
// Lower ends of the bands of value (pieces) of the fit's check; the first and the last are
// open.
inline constexpr std::array<double, 12> kValueBands = {-99,  -4, -3,  -2, -1.5, -1,
                                                       -0.5, 0,  0.5, 1,  2,    3};

// Game g (0-based) has Red at level 1 + g % 5 and White at 1 + (g / 5) % 5, seeded with
// first_seed + g, played as selfplay plays it.
SurveyResult RunSurvey(const SurveyPlan& plan, const ClassThresholds& thresholds);

// Reads the moves written by a survey's `moves_out`, appended to `moves`. False at a line
// that is not such a move.
bool ReadSurveyMoves(std::istream& in, std::vector<SurveyMove>& moves);

// The survey's tables over these moves, each move's chance and class taken afresh with the
// default curve and `thresholds`, and the curve fitted on them.
SurveyResult TallySurvey(std::vector<SurveyMove> moves, const ClassThresholds& thresholds);

// `plan.games` 0 stands for a tally.
void PrintSurvey(const SurveyResult& result, const SurveyPlan& plan,
                 const ClassThresholds& thresholds, std::ostream& out);

}  // namespace circumvia::cli
