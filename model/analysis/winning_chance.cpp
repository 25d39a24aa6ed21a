#include "model/analysis/winning_chance.h"

#include <array>
#include <cmath>
#include <cstdlib>

#include "model/evaluation.h"

namespace circumvia {

namespace {

constexpr int kFitRounds = 50;
constexpr double kFitTolerance = 1e-10;

bool Decisive(int value) {
    return value == kWinScore || value == kLossScore;
}

double Logistic(double x) {
    return 1.0 / (1.0 + std::exp(-x));
}

}  // namespace

ChanceCurve DefaultChanceCurve() {
    return {.scale = 80.6, .offset = -0.106};
}

double WinningChance(int value, const ChanceCurve& curve) {
    if (value == kWinScore) return 1;
    if (value == kLossScore) return 0;
    return Logistic(value / curve.scale + curve.offset);
}

double Pieces(int value) {
    return Decisive(value) ? 0.0 : static_cast<double>(value) / kPieceUnits;
}

ChanceCurve FitChanceCurve(std::span<const ChanceSample> samples) {
    // Fitted as p = logistic(a * value + b), a = 1 / scale, b = offset: the log-likelihood
    // is concave in (a, b), so Newton's steps from the flat curve converge. The values are
    // taken in pieces so that both parameters have a like size.
    std::array<double, 2> ab{0.0, 0.0};
    bool spread = false;
    for (const ChanceSample& s : samples) {
        if (!Decisive(s.value) && s.value != samples.front().value) spread = true;
    }
    if (!spread) return DefaultChanceCurve();
    for (int round = 0; round < kFitRounds; ++round) {
        double g0 = 0, g1 = 0, h00 = 0, h01 = 0, h11 = 0;
        for (const ChanceSample& s : samples) {
            if (Decisive(s.value)) continue;
            const double x = Pieces(s.value);
            const double p = Logistic(ab[0] * x + ab[1]);
            const double w = p * (1 - p);
            g0 += (s.score - p) * x;
            g1 += s.score - p;
            h00 += w * x * x;
            h01 += w * x;
            h11 += w;
        }
        const double det = h00 * h11 - h01 * h01;
        if (det <= 0) break;
        const double d0 = (h11 * g0 - h01 * g1) / det;
        const double d1 = (h00 * g1 - h01 * g0) / det;
        ab[0] += d0;
        ab[1] += d1;
        if (std::abs(d0) + std::abs(d1) < kFitTolerance) break;
    }
    return {.scale = kPieceUnits / ab[0], .offset = ab[1]};
}

}  // namespace circumvia
