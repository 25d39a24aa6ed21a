#include "model/rating/match_statistics.h"

#include <algorithm>
#include <cmath>

#include "model/rating/logistic.h"

namespace circumvia::rating {

double MatchTally::Score() const {
    const int games = Games();
    return games == 0 ? 0.5 : (wins + 0.5 * draws) / games;
}

MatchTally& MatchTally::operator+=(const MatchTally& other) {
    wins += other.wins;
    draws += other.draws;
    losses += other.losses;
    return *this;
}

double PointsVariance(const MatchTally& tally) {
    const double games = tally.Games();
    if (games == 0) return 0.25;
    const double score = tally.Score();
    const double spread =
        (tally.wins * (1.0 - score) * (1.0 - score) + tally.draws * (0.5 - score) * (0.5 - score) +
         tally.losses * score * score) /
        games;
    if (spread > 0.0) return spread;
    const double shifted = std::clamp(score, 0.5 / (games + 0.5), 1.0 - 0.5 / (games + 0.5));
    return shifted * (1.0 - shifted);
}

Estimate RatingDifference(const MatchTally& tally) {
    const double score = tally.Score();
    const double margin =
        kConfidenceWidth * std::sqrt(PointsVariance(tally) / std::max(tally.Games(), 1));
    return {DifferenceForScore(score), DifferenceForScore(score - margin),
            DifferenceForScore(score + margin)};
}

}  // namespace circumvia::rating
