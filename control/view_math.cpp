#include "control/view_math.h"

#include <algorithm>
#include <cmath>

namespace circumvia::control {

namespace {
// Nearest integer, a half going to the even one.
double RoundHalfEven(double v) {
    return std::nearbyint(v);
}  // default rounding mode
}  // namespace

double FitZoom(double baseFocalLength, int outerWidth, int outerHeight) {
    const int reference = std::min(kReferenceHeight, kReferenceWidth);
    const int size = std::min(outerWidth, outerHeight);
    return std::clamp(baseFocalLength * size / reference, kMinFocalLength, kMaxFocalLength);
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

double QuarterTurnTarget(double storedTurn) {
    return (RoundHalfEven(storedTurn / 90) + 1) * 90;
}

double HalfTurnTarget(double storedTurn) {
    double t = (RoundHalfEven(storedTurn / 180) + 1) * 180;
    while (t < 0) t += 360;
    while (t >= 360) t -= 360;
    return t;
}

double TurnStep(double storedTurn, double target, double dt) {
    double a = storedTurn;
    while (a < 0) a += 360;
    while (a >= 360) a -= 360;
    if (a == target) return storedTurn;
    const double remaining = std::abs(a - target);
    const double step = std::min(dt * kTurnDegreesPerSecond, remaining);
    return 2 * step > remaining ? target : a + step;
}

}  // namespace circumvia::control
