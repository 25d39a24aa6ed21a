#pragma once
// The measured strength of the computer's levels: the ratings of the published ladder
// (docs/levels.md, read when the program is built), level 1 anchored at 1000.

namespace circumvia::rating {

// The rating of computer level 1..kMaxLevel; throws std::out_of_range for another level.
int LevelRating(int level);

// The level whose rating is nearest `rating`; the weaker one of two equally near.
int NearestLevel(double rating);

}  // namespace circumvia::rating
