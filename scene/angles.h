#pragma once
// Angle helpers for the objects' pitch, turn and roll setters.

#include "scene/vector3.h"

namespace circumvia::scene {

inline constexpr double kPi = 3.14159265358979323846;

inline double DegreesToRadians(double degrees) {
    return degrees * kPi / 180.0;
}
inline double RadiansToDegrees(double radians) {
    return radians * 180.0 / kPi;
}

// Brings an angle into -180..180 the way the stored angles are kept:
// r = v - 360 trunc(v / 360), then one more turn off when r is beyond +-180.
double NormalizeAngle(double degrees);

// Turns v right-handedly by `degrees` about `axis` (which need not be unit length).
Vec3 RotateAbout(Vec3 v, Vec3 axis, double degrees);

}  // namespace circumvia::scene
