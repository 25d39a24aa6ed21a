#pragma once
// The logistic rating scale: a rating difference of 400 points means ten-to-one odds.

namespace circumvia::rating {

inline constexpr double kScaleWidth = 400.0;

// The share of points a player expects against an opponent `difference` points below.
double ExpectedScore(double difference);
// The difference that makes `score` (0..1) the expected share; infinite at 0 and 1.
double DifferenceForScore(double score);
// How fast the difference changes with the score at `score` (strictly between 0 and 1).
double DifferencePerScore(double score);

}  // namespace circumvia::rating
