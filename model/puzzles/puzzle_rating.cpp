#include "model/puzzles/puzzle_rating.h"

#include <algorithm>
#include <cmath>

#include "model/rating/elo_update.h"

namespace circumvia {

AttemptRatings RateAttempt(double solver_rating, int solver_attempts, const Puzzle& puzzle,
                           bool solved) {
    const double points = solved ? rating::kWinPoints : rating::kLossPoints;
    AttemptRatings after;
    after.solver = rating::UpdatedRating(solver_rating, puzzle.rating, points, solver_attempts);
    const double puzzle_rating =
        rating::UpdatedRating(puzzle.rating, solver_rating, 1.0 - points, puzzle.attempts);
    after.puzzle = std::max(kLowestPuzzleRating, static_cast<int>(std::lround(puzzle_rating)));
    return after;
}

int ChoosePuzzle(const std::vector<Puzzle>& puzzles, double rating, const std::set<int>& seen,
                 int draw) {
    std::vector<std::pair<double, int>> open;
    for (int i = 0; i < static_cast<int>(puzzles.size()); ++i) {
        if (!seen.contains(i)) open.emplace_back(std::abs(puzzles[i].rating - rating), i);
    }
    if (open.empty()) return -1;
    const std::size_t width = std::min<std::size_t>(kChoiceWidth, open.size());
    std::partial_sort(open.begin(), open.begin() + static_cast<std::ptrdiff_t>(width), open.end());
    return open[static_cast<std::size_t>(draw) % width].second;
}

}  // namespace circumvia
