#include "control/view/view_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "scene/camera.h"
#include "scene/projection.h"

namespace circumvia::control {
namespace {

TEST(FitZoom, FollowsTheWindowWithinLimits) {
    EXPECT_DOUBLE_EQ(FitZoom(100, 668, 478), 100);
    EXPECT_DOUBLE_EQ(FitZoom(100, 956, 956), 200);
    EXPECT_DOUBLE_EQ(FitZoom(100, 200, 20), 5);  // 4.18 raised to the lower limit
    EXPECT_DOUBLE_EQ(FitZoom(10, 668, 478), 10);
    EXPECT_DOUBLE_EQ(FitZoom(10, 956, 956), 20);
}

// The view from above shows as much of the board in a large window as in the designed one:
// the shorter side of the view never reaches less far than there.
TEST(TopFitZoom, KeepsTheWholeBoardInViewAtAnySize) {
    const auto shorter_reach = [](int width, int height) {
        scene::TCamera camera;
        camera.SetStyle(scene::CameraStyle::kOrthogonal);
        camera.SetFocalLength(TopFitZoom(kTopFocalLength, width, height));
        const scene::TProjection view = scene::ComputeProjection(camera, width, height, 96);
        return std::min(view.right, view.top);
    };
    const double designed = shorter_reach(kReferenceWidth, kReferenceHeight);
    EXPECT_DOUBLE_EQ(TopFitZoom(kTopFocalLength, kReferenceWidth, kReferenceHeight),
                     kTopFocalLength);
    for (auto [width, height] : {std::pair{1920, 1080}, {956, 956}, {2560, 1440}, {700, 1200}}) {
        EXPECT_GE(shorter_reach(width, height), designed - 1e-9) << width << "x" << height;
    }
}

TEST(Zoom, LimitIsTestedBeforeTheStep) {
    EXPECT_DOUBLE_EQ(ZoomIn(199.5), 200.5);
    EXPECT_DOUBLE_EQ(ZoomIn(200), 200);
    EXPECT_DOUBLE_EQ(ZoomOut(5.5), 4.5);
    EXPECT_DOUBLE_EQ(ZoomOut(5), 5);
}

TEST(WheelZoom, OneNotchIsTwelveAndLeavingTheRangeIsRefused) {
    EXPECT_DOUBLE_EQ(WheelZoom(100, 120), 88);
    EXPECT_DOUBLE_EQ(WheelZoom(100, -120), 112);
    EXPECT_DOUBLE_EQ(WheelZoom(10, 120), 10);  // would be -2
    EXPECT_DOUBLE_EQ(WheelZoom(10, -120), 22);
    EXPECT_DOUBLE_EQ(WheelZoom(190, -120), 190);  // would be 202
    EXPECT_DOUBLE_EQ(WheelZoom(17, 120), 17);     // exactly 5 is outside the open range
}

TEST(QuarterTurnTarget, RunsRoundTheFourQuarters) {
    EXPECT_DOUBLE_EQ(QuarterTurnTarget(0), 90);
    EXPECT_DOUBLE_EQ(QuarterTurnTarget(90), 180);
    EXPECT_DOUBLE_EQ(QuarterTurnTarget(180), 270);
    EXPECT_DOUBLE_EQ(QuarterTurnTarget(-90), 0);  // 270 is stored as -90
    EXPECT_DOUBLE_EQ(QuarterTurnTarget(45), 90);  // a half goes to the even quarter
    EXPECT_DOUBLE_EQ(QuarterTurnTarget(135), 270);
}

TEST(HalfTurnTarget, FlipsBetweenZeroAndOneEighty) {
    EXPECT_DOUBLE_EQ(HalfTurnTarget(0), 180);
    EXPECT_DOUBLE_EQ(HalfTurnTarget(180), 0);
    EXPECT_DOUBLE_EQ(HalfTurnTarget(90), 180);  // n rounds to 0
    EXPECT_DOUBLE_EQ(HalfTurnTarget(-90), 180);
    EXPECT_DOUBLE_EQ(HalfTurnTarget(-180), 0);
}

TEST(TurnStep, TurnsTenDegreesASecondTowardsTheTarget) {
    EXPECT_DOUBLE_EQ(TurnStep(0, 90, 0.1), 1);
    EXPECT_DOUBLE_EQ(TurnStep(89.5, 90, 0.1), 90);  // less than two steps left: snap
    EXPECT_DOUBLE_EQ(TurnStep(90, 90, 0.1), 90);
}

TEST(TurnStep, QuarterTurnTakesNineSecondsOfFrames) {
    double angle = 0;
    int frames = 0;
    while (angle != 90 && frames < 10000) {
        angle = TurnStep(angle, 90, 0.01);
        ++frames;
    }
    EXPECT_NEAR(frames, 900, 2);
}

TEST(TurnStep, FromTwoSeventyItPassesThroughThreeSixtyToZero) {
    // Stored angles stay in -180..180, as the board slab keeps them.
    const auto store = [](double a) { return a > 180 ? a - 360 : a; };
    double stored = -90;
    int frames = 0;
    for (; frames < 2000 && stored != 0; ++frames) {
        stored = store(TurnStep(stored, 0, 0.05));
        // Never back through 180: only angles from 270 up, or just past the full turn.
        const double angle = stored < 0 ? stored + 360 : stored;
        EXPECT_TRUE(angle >= 270 || angle < 1) << angle;
    }
    EXPECT_EQ(stored, 0);
    EXPECT_NEAR(frames, 180, 2);  // 90 degrees at half a degree a frame
}

}  // namespace
}  // namespace circumvia::control
