#pragma once
// What a search value means to a player: the chance of winning the game from there, and the
// material it stands for. The chance is a logistic curve over the value, fitted by maximum
// likelihood on computer games of mixed levels (docs/analysis.md, "Winning chance"); a draw
// counts as half a win, so an even game is near one half.

#include <span>

namespace circumvia {

// chance = 1 / (1 + exp(-(value / scale + offset))), value for the side it belongs to.
struct ChanceCurve {
    double scale = 1;
    double offset = 0;
};

// The curve fitted on the survey's games (docs/analysis.md).
ChanceCurve DefaultChanceCurve();

// The winning chance (0..1) of the side a value belongs to: 1 for a forced win
// (kWinScore), 0 for a forced loss, the curve's in between.
double WinningChance(int value, const ChanceCurve& curve = DefaultChanceCurve());

// Evaluation units per piece: the value of a bare piece (evaluation.h).
inline constexpr int kPieceUnits = 50;

// A value in pieces (one piece = 1.0); forced results are not values and give 0.
double Pieces(int value);

// One position of a game: its value for the side to move, and what that side scored
// (1 won, 0 lost, 1/2 drawn or unfinished).
struct ChanceSample {
    int value = 0;
    double score = 0;
};

// The curve of greatest likelihood for these samples (Newton's method on the two
// parameters); forced values are left out. Fewer than two distinct values give the
// default curve.
ChanceCurve FitChanceCurve(std::span<const ChanceSample> samples);

}  // namespace circumvia
