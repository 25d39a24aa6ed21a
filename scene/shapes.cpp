#include "scene/shapes.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "scene/angles.h"

namespace circumvia::scene {
namespace {

// Where a ray meets the plane z = 0 coming from its front (+Z) side.
std::optional<double> FrontOfPlaneZ0(const Ray& ray) {
    if (ray.direction.z >= 0) return std::nullopt;
    const double t = -ray.origin.z / ray.direction.z;
    if (t < 0) return std::nullopt;
    return t;
}

}  // namespace

std::optional<double> TCube::IntersectLocal(const Ray& ray) const {
    // Slab test; a ray starting inside sees only back faces, which are culled.
    double t_near = -INFINITY;
    double t_far = INFINITY;
    const double origin[3] = {ray.origin.x, ray.origin.y, ray.origin.z};
    const double direction[3] = {ray.direction.x, ray.direction.y, ray.direction.z};
    const double half[3] = {size_.x / 2, size_.y / 2, size_.z / 2};
    for (int axis = 0; axis < 3; ++axis) {
        if (direction[axis] == 0) {
            if (std::abs(origin[axis]) > half[axis]) return std::nullopt;
            continue;
        }
        double t1 = (-half[axis] - origin[axis]) / direction[axis];
        double t2 = (half[axis] - origin[axis]) / direction[axis];
        if (t1 > t2) std::swap(t1, t2);
        t_near = std::max(t_near, t1);
        t_far = std::min(t_far, t2);
    }
    if (t_near > t_far || t_near < 0) return std::nullopt;
    return t_near;
}

std::optional<double> TPlane::IntersectLocal(const Ray& ray) const {
    const auto t = FrontOfPlaneZ0(ray);
    if (!t) return std::nullopt;
    const Vec3 p = ray.At(*t);
    if (std::abs(p.x) > width_ / 2 || std::abs(p.y) > height_ / 2) return std::nullopt;
    return t;
}

std::optional<double> TDisk::IntersectLocal(const Ray& ray) const {
    const auto t = FrontOfPlaneZ0(ray);
    if (!t) return std::nullopt;
    const Vec3 p = ray.At(*t);
    const double radius = std::hypot(p.x, p.y);
    if (radius < inner_radius_ || radius > outer_radius_) return std::nullopt;
    if (std::abs(sweep_angle_) >= 360) return t;
    // Angle from +Y towards +X, then its distance along the sweep from the start.
    const double angle = RadiansToDegrees(std::atan2(p.x, p.y));
    const double from = sweep_angle_ >= 0 ? start_angle_ : start_angle_ + sweep_angle_;
    const double along = std::fmod(std::fmod(angle - from, 360.0) + 360.0, 360.0);
    if (along > std::abs(sweep_angle_)) return std::nullopt;
    return t;
}

std::optional<double> TSphere::IntersectLocal(const Ray& ray) const {
    const double a = Dot(ray.direction, ray.direction);
    const double b = 2 * Dot(ray.origin, ray.direction);
    const double c = Dot(ray.origin, ray.origin) - radius_ * radius_;
    const double discriminant = b * b - 4 * a * c;
    if (a == 0 || discriminant < 0) return std::nullopt;
    const double t = (-b - std::sqrt(discriminant)) / (2 * a);
    if (t < 0) return std::nullopt;
    return t;
}

}  // namespace circumvia::scene
