#pragma once
// What a match says about two players: the score, and the rating difference with its 95 %
// interval. Draws count half a point; the interval comes from the spread of the points
// actually scored game by game, so many draws narrow it.

namespace circumvia::rating {

// Games seen from one player's side.
struct MatchTally {
    int wins = 0;
    int draws = 0;
    int losses = 0;

    int Games() const { return wins + draws + losses; }
    // The share of the points, 0..1; 0.5 before any game.
    double Score() const;
    // The same games seen from the opponent's side.
    MatchTally Reversed() const { return {losses, draws, wins}; }
    MatchTally& operator+=(const MatchTally& other);
    bool operator==(const MatchTally&) const = default;
};

// A value with its 95 % interval [low, high]. For a rating difference the bounds may be
// infinite: a player who won every game is better by an unknown amount.
struct Estimate {
    double value = 0.0;
    double low = 0.0;
    double high = 0.0;
};

// Two-sided 95 % bound of the normal distribution, in standard errors.
inline constexpr double kConfidenceWidth = 1.959964;

// The variance of one game's points around the score. A match whose games all ended alike
// shows no spread, yet says little; it is given the spread of wins and losses at its score,
// kept half a game away from 0 and 1. Never zero.
double PointsVariance(const MatchTally& tally);

// How much stronger the tally's player is than the opponent, in rating points, and the
// interval mapped from the score's own interval.
Estimate RatingDifference(const MatchTally& tally);

}  // namespace circumvia::rating
