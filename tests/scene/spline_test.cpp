#include <gtest/gtest.h>

#include "scene/cubic_spline.h"

namespace circumvia::scene {
namespace {

TEST(NaturalCubicSpline, PassesThroughEveryValue) {
    const std::vector<double> values = {0, 2, -1, 4, 3};
    const NaturalCubicSpline spline(values);
    for (std::size_t i = 0; i < values.size(); ++i) {
        EXPECT_NEAR(spline.At(static_cast<double>(i)), values[i], 1e-12);
    }
}

TEST(NaturalCubicSpline, ThroughTwoValuesIsTheStraightLine) {
    const NaturalCubicSpline spline({1, 3});
    EXPECT_DOUBLE_EQ(spline.At(0.25), 1.5);
    EXPECT_DOUBLE_EQ(spline.At(0.5), 2);
}

TEST(NaturalCubicSpline, BendsSmoothlyThroughAPeak) {
    // Values 0, 1, 0: second derivative -3 at the middle knot, 0 at the ends.
    const NaturalCubicSpline spline({0, 1, 0});
    EXPECT_NEAR(spline.At(0.5), 0.6875, 1e-12);
    EXPECT_NEAR(spline.At(1.5), 0.6875, 1e-12);
}

TEST(NaturalCubicSpline, HasNoCurvatureAtItsEnds) {
    const NaturalCubicSpline spline({0, 2, -1, 4});
    const double h = 1e-3;
    for (double end : {h, 3 - h}) {
        const double second =
            (spline.At(end - h) - 2 * spline.At(end) + spline.At(end + h)) / (h * h);
        EXPECT_NEAR(second, 0, 0.05) << end;
    }
}

TEST(NaturalCubicSpline, StraightPointsStayOnTheirLine) {
    const NaturalCubicSpline spline({0, 1, 2, 3, 4});
    EXPECT_NEAR(spline.At(1.3), 1.3, 1e-12);
    EXPECT_NEAR(spline.At(3.9), 3.9, 1e-12);
}

TEST(NaturalCubicSpline, ClampsOutsideItsParameters) {
    const NaturalCubicSpline spline({5, 7, 6});
    EXPECT_DOUBLE_EQ(spline.At(-1), 5);
    EXPECT_DOUBLE_EQ(spline.At(9), 6);
}

}  // namespace
}  // namespace circumvia::scene
