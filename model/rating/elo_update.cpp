#include "model/rating/elo_update.h"

#include "model/rating/logistic.h"

namespace circumvia::rating {

double EloStep(int games_before) {
    return games_before < kProvisionalGames ? kProvisionalStep : kSettledStep;
}

double UpdatedRating(double rating, double opponent, double points, int games_before) {
    return rating + EloStep(games_before) * (points - ExpectedScore(rating - opponent));
}

}  // namespace circumvia::rating
