#include "control/view/view_math.h"

#include <algorithm>
#include <cmath>

namespace circumvia::control {

namespace {
// Nearest integer, a half going to the even one.
double RoundHalfEven(double v) {
    return std::nearbyint(v);
}  // default rounding mode
}  // namespace

double FitZoom(double base_focal_length, int outer_width, int outer_height) {
    const int reference = std::min(kReferenceHeight, kReferenceWidth);
    const int size = std::min(outer_width, outer_height);
    return std::clamp(base_focal_length * size / reference, kMinFocalLength, kMaxFocalLength);
}

double TopFitZoom(double base_focal_length, int outer_width, int outer_height) {
    const double reference = static_cast<double>(kReferenceHeight) / kReferenceWidth;
    const double shape = static_cast<double>(std::min(outer_width, outer_height)) /
                         std::max({outer_width, outer_height, 1});
    return std::clamp(base_focal_length * shape / reference, kMinFocalLength, kMaxFocalLength);
}

double ZoomIn(double f) {
    return f < kMaxFocalLength ? f + 1 : f;
}

double ZoomOut(double f) {
    return f > kMinFocalLength ? f - 1 : f;
}

double WheelZoom(double f, int delta) {
    const double zoomed = f - delta / 10.0;
    return zoomed > kMinFocalLength && zoomed < kMaxFocalLength ? zoomed : f;
}

double QuarterTurnTarget(double stored_turn) {
    return (RoundHalfEven(stored_turn / 90) + 1) * 90;
}

double HalfTurnTarget(double stored_turn) {
    double t = (RoundHalfEven(stored_turn / 180) + 1) * 180;
    while (t < 0) t += 360;
    while (t >= 360) t -= 360;
    return t;
}

double TurnStep(double stored_turn, double target, double dt) {
    double a = stored_turn;
    while (a < 0) a += 360;
    while (a >= 360) a -= 360;
    if (a == target) return stored_turn;
    const double remaining = std::abs(a - target);
    const double step = std::min(dt * kTurnDegreesPerSecond, remaining);
    return 2 * step > remaining ? target : a + step;
}

}  // namespace circumvia::control
