#pragma once
// A player's rating after one rated game against a computer level. The step is larger
// while the player is new, so a rating finds its place within a few games, and smaller
// afterwards, so one lucky game does not move it far.

namespace circumvia::rating {

// Rated games played before the step becomes the settled one.
inline constexpr int kProvisionalGames = 20;
inline constexpr double kProvisionalStep = 40.0;
inline constexpr double kSettledStep = 20.0;
// Where a player without rated games starts: level 1's rating, the anchor of the ladder.
inline constexpr double kNewPlayerRating = 1000.0;

// Points: 1 a win, 0.5 a draw, 0 a loss (an abandoned game counts as a loss).
inline constexpr double kWinPoints = 1.0;
inline constexpr double kDrawPoints = 0.5;
inline constexpr double kLossPoints = 0.0;

// The step for a player who has finished `games_before` rated games before this one.
double EloStep(int games_before);

// The rating after scoring `points` against an opponent rated `opponent`:
// rating + step * (points - expected score).
double UpdatedRating(double rating, double opponent, double points, int games_before);

}  // namespace circumvia::rating
