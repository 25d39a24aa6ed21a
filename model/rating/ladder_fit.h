#pragma once
// One rating per player fitted to the results of matches between pairs of them: the
// weighted least-squares fit of the pairs' rating differences, each weighted by how
// precisely its match measured it, with one player anchored at a given rating.

#include <span>
#include <vector>

#include "model/rating/match_statistics.h"

namespace circumvia::rating {

struct PairResult {
    int first = 0;  // players numbered 0..count-1
    int second = 0;
    MatchTally tally;  // from the first player's side
};

// Ratings for players 0..count-1, player `anchor` held at `anchor_rating` (its interval
// has no width); the others with their 95 % intervals. A match won or lost in every game
// is read as if half a game had gone the other way. Throws std::invalid_argument when a
// pair names a player outside 0..count-1 or itself, or when the pairs leave some player
// without a path of played matches to the anchor.
std::vector<Estimate> FitRatings(std::span<const PairResult> pairs, int count, int anchor,
                                 double anchor_rating);

}  // namespace circumvia::rating
