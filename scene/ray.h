#pragma once
// A ray for picking: origin + t * direction, t >= 0. The direction need not be unit
// length, so the same t names the same point after an affine change of frame.

#include "scene/vector3.h"

namespace circumvia::scene {

struct Ray {
    Vec3 origin;
    Vec3 direction;

    Vec3 At(double t) const { return origin + direction * t; }
};

}  // namespace circumvia::scene
