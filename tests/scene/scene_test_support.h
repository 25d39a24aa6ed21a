#pragma once
// Helpers shared by the scene tests.

#include <gtest/gtest.h>

#include "scene/vector3.h"

namespace circumvia::scene {

inline void ExpectNear(Vec3 actual, Vec3 expected, double tolerance = 1e-6) {
    EXPECT_NEAR(actual.x, expected.x, tolerance) << "x";
    EXPECT_NEAR(actual.y, expected.y, tolerance) << "y";
    EXPECT_NEAR(actual.z, expected.z, tolerance) << "z";
}

}  // namespace circumvia::scene
