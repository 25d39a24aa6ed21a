#pragma once
// A point or direction in scene units. Doubles keep the composed frames of nested
// objects accurate enough for picking and for exact placements.

#include <cmath>

namespace circumvia::scene {

struct Vec3 {
    double x = 0;
    double y = 0;
    double z = 0;

    friend bool operator==(const Vec3&, const Vec3&) = default;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator-(Vec3 a) {
    return {-a.x, -a.y, -a.z};
}
inline Vec3 operator*(Vec3 a, double s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline Vec3 operator*(double s, Vec3 a) {
    return a * s;
}
inline double Dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
inline Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(Vec3 a) {
    return std::sqrt(Dot(a, a));
}
inline double Distance(Vec3 a, Vec3 b) {
    return Length(a - b);
}

// A zero vector stays zero rather than turning into NaNs.
inline Vec3 Normalized(Vec3 a) {
    const double length = Length(a);
    return length > 0 ? a * (1.0 / length) : a;
}

}  // namespace circumvia::scene
