#include "scene/angles.h"

#include <cmath>

namespace circumvia::scene {

double NormalizeAngle(double degrees) {
    double r = degrees - 360.0 * std::trunc(degrees / 360.0);
    if (r > 180) r -= 360;
    if (r < -180) r += 360;
    return r;
}

Vec3 RotateAbout(Vec3 v, Vec3 axis, double degrees) {
    const Vec3 k = Normalized(axis);
    const double a = DegreesToRadians(degrees);
    const double c = std::cos(a);
    const double s = std::sin(a);
    // Rodrigues' formula.
    return v * c + Cross(k, v) * s + k * (Dot(k, v) * (1 - c));
}

}  // namespace circumvia::scene
