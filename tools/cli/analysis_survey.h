#pragma once
// The survey the review's class thresholds were chosen from: computer games of mixed
// levels, every move analysed, and per class of move (and per band of loss) how often
// the side that made such a move went on to win, lose or draw.

#include <array>
#include <cstdint>
#include <iosfwd>
#include <ostream>
#include <vector>

#include "model/analysis/move_class.h"

namespace circumvia::cli {

struct SurveyPlan {
    int games = 1000;
    int depth = 5;
    int first_seed = 1;
    int threads = 0;  // 0: one per core
    // When set, every analysed move also goes to this file as a line of tab-separated
    // numbers: seed, Red's level, White's level, result, move number, mover, value_best,
    // value_played, forced, missed_win. Other thresholds can be tried on it later.
    std::ostream* moves_out = nullptr;
};

// How the games went on after moves of one kind.
struct Outcomes {
    std::int64_t moves = 0;
    std::int64_t won = 0;  // by the side that made the move
    std::int64_t lost = 0;
};

struct SurveyResult {
    int games = 0;
    std::int64_t moves = 0;
    std::array<Outcomes, 7> by_class{};  // indexed by MoveClass
    std::vector<Outcomes> by_loss;       // one per band of kLossBands
    // By the mover's standing before the move (behind, level, ahead: kLevelBand), then by
    // class: whether the game was already going one way shows apart from the move.
    std::array<std::array<Outcomes, 7>, 3> by_standing{};
    double seconds = 0;
};

// A mover whose best value lies within this of 0 stands level; beyond it, ahead or behind.
inline constexpr int kLevelBand = 50;

// Lower ends of the loss bands the table shows; the last band is open above.
inline constexpr std::array<int, 14> kLossBands = {0,  1,   10,  20,  35,  45,  60,
                                                   75, 100, 150, 200, 250, 300, 450};

// Game g (0-based) has Red at level 1 + g % 5 and White at 1 + (g / 5) % 5, seeded with
// first_seed + g, played as selfplay plays it.
SurveyResult RunSurvey(const SurveyPlan& plan, const ClassThresholds& thresholds);

// Adds the moves written by a survey's `moves_out` (one file or several in turn) to
// `result`, classed with `thresholds`. False at a line that is not such a move.
bool TallySurvey(std::istream& in, const ClassThresholds& thresholds, SurveyResult& result);

// `plan.games` 0 stands for a tally.
void PrintSurvey(const SurveyResult& result, const SurveyPlan& plan,
                 const ClassThresholds& thresholds, std::ostream& out);

}  // namespace circumvia::cli
