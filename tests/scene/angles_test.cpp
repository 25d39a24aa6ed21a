#include <cmath>

#include <gtest/gtest.h>

#include "scene/angles.h"
#include "scene/board/board_geometry.h"
#include "scene/dummy_cube.h"
#include "scene_test_support.h"

namespace circumvia::scene {
namespace {

TEST(AngleNormalisation, KeepsAnglesWithinPlusMinus180) {
    const struct {
        double in;
        double out;
    } cases[] = {{0, 0},     {90, 90}, {180, 180}, {-180, -180}, {181, -179}, {270, -90},
                 {-270, 90}, {360, 0}, {540, 180}, {725, 5},     {-190, 170}, {-540, -180}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(NormalizeAngle(c.in), c.out) << c.in;
}

TEST(AngleSetters, PitchOf90LaysAFlatShapeFacingUp) {
    TDummyCube object;
    object.SetPitchAngle(90);
    ExpectNear(object.Direction(), {0, 1, 0});
    ExpectNear(object.Up(), {0, 0, -1});
    EXPECT_EQ(object.PitchAngle(), 90);
}

TEST(AngleSetters, SettingTheStoredAngleAgainDoesNothing) {
    TDummyCube object;
    object.SetPitchAngle(90);
    const Vec3 direction = object.Direction();
    const Vec3 up = object.Up();
    object.SetPitchAngle(90);
    EXPECT_EQ(object.Direction(), direction);
    EXPECT_EQ(object.Up(), up);
}

TEST(AngleSetters, Pitch270FromMinus90TurnsAFullCircleAndStoresMinus90) {
    TDummyCube object;
    object.SetPitchAngle(-90);
    const Vec3 direction = object.Direction();
    const Vec3 up = object.Up();
    object.SetPitchAngle(270);
    EXPECT_EQ(object.PitchAngle(), -90);
    ExpectNear(object.Direction(), direction, 1e-12);
    ExpectNear(object.Up(), up, 1e-12);
}

TEST(AngleSetters, AnglesAreIncrementalFromTheStoredValue) {
    TDummyCube object;
    object.SetPitchAngle(30);
    object.SetPitchAngle(90);  // turns a further 60 degrees
    ExpectNear(object.Direction(), {0, 1, 0});
    object.SetPitchAngle(0);
    ExpectNear(object.Direction(), {0, 0, 1});
    ExpectNear(object.Up(), {0, 1, 0});
}

TEST(AngleSetters, TurnRotatesAboutTheUpVector) {
    TDummyCube object;
    object.SetTurnAngle(90);
    ExpectNear(object.Direction(), {1, 0, 0});
    ExpectNear(object.Up(), {0, 1, 0});
    EXPECT_EQ(object.TurnAngle(), 90);
}

TEST(AngleSetters, RollRotatesAboutTheDirectionVector) {
    TDummyCube object;
    object.SetRollAngle(90);
    ExpectNear(object.Direction(), {0, 0, 1});
    ExpectNear(object.Up(), {-1, 0, 0});
}

TEST(AngleSetters, SettingVectorsDirectlyKeepsTheStoredAngles) {
    TDummyCube object;
    object.SetPitchAngle(45);
    object.SetDirection({0, 0, 1});
    object.SetUp({0, 1, 0});
    EXPECT_EQ(object.PitchAngle(), 45);
    // The next pitch turns by the difference to the stored 45.
    object.SetPitchAngle(135);
    ExpectNear(object.Direction(), {0, 1, 0});
}

TEST(AngleSetters, BoardGroupPitchedMinus4FromItsBaseLeansTo50Degrees) {
    TDummyCube group;
    group.SetDirection(kBoardBaseDirection);
    group.SetUp(kBoardBaseUp);
    group.SetPitchAngle(-4);
    ExpectNear(group.Up(), {0, 0.642788, 0.766044}, 1e-6);
}

TEST(AngleSetters, ArrowKeyStepsTurnAndTiltByOneDegreeEach) {
    TDummyCube group;
    group.SetTurnAngle(group.TurnAngle() + 1);
    group.SetTurnAngle(group.TurnAngle() + 1);
    const double two_degrees = DegreesToRadians(2);
    ExpectNear(group.Direction(), {std::sin(two_degrees), 0, std::cos(two_degrees)});
}

}  // namespace
}  // namespace circumvia::scene
