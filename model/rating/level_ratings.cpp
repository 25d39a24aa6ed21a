#include "model/rating/level_ratings.h"

#include <cmath>
#include <stdexcept>
#include <string>

#include "model/rating/level_table.h"
#include "model/tjeu.h"

namespace circumvia::rating {

static_assert(std::size(kLevelRatings) == kMaxLevel, "docs/levels.md rates every level once");

int LevelRating(int level) {
    if (level < 1 || level > kMaxLevel) {
        throw std::out_of_range("no computer level " + std::to_string(level));
    }
    return kLevelRatings[level - 1];
}

int NearestLevel(double rating) {
    int nearest = 1;
    for (int level = 2; level <= kMaxLevel; ++level) {
        if (std::abs(LevelRating(level) - rating) < std::abs(LevelRating(nearest) - rating)) {
            nearest = level;
        }
    }
    return nearest;
}

}  // namespace circumvia::rating
