#pragma once
// Puzzle ratings: an attempt is a rated game between the solver and the puzzle, won by
// the solver who finds the whole line; both ratings move as after a rated game.

#include <cstdint>
#include <set>
#include <vector>

#include "model/puzzles/puzzle.h"

namespace circumvia {

inline constexpr int kLowestPuzzleRating = 100;
inline constexpr int kHighestFirstRating = 2600;

struct AttemptRatings {
    double solver = 0;
    int puzzle = 0;
};

// The ratings after one attempt by a solver of `solver_rating` with `solver_attempts`
// attempts before, at `puzzle`.
AttemptRatings RateAttempt(double solver_rating, int solver_attempts, const Puzzle& puzzle,
                           bool solved);

// The puzzle to pose to a solver of `rating`: of those not in `seen`, one of the
// `kChoiceWidth` rated nearest, picked by `draw` (0..width-1). -1 when all were seen.
inline constexpr int kChoiceWidth = 8;
int ChoosePuzzle(const std::vector<Puzzle>& puzzles, double rating, const std::set<int>& seen,
                 int draw);

}  // namespace circumvia
