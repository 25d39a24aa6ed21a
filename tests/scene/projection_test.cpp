#include <gtest/gtest.h>

#include <cmath>

#include "scene/angles.h"
#include "scene/projection.h"
#include "scene/scene.h"
#include "scene_test_support.h"

namespace circumvia::scene {
namespace {

struct CameraScene {
    TScene scene;
    TDummyCube& target = scene.Root().Add<TDummyCube>("target");
    TCamera& camera = scene.Root().Add<TCamera>("camera");

    CameraScene(CameraStyle style, double focal_length, Vec3 position) {
        camera.SetStyle(style);
        camera.SetFocalLength(focal_length);
        camera.SetDepthOfView(20);
        camera.SetPosition(position);
        camera.SetTarget(&target);
    }
};

TEST(CameraProjection, PerspectiveViewAt660By380) {
    CameraScene s(CameraStyle::kPerspective, 100, {0, 0, 9});
    const TProjection p = ComputeProjection(s.camera, 660, 380);
    EXPECT_NEAR(p.near, 1.1453, 5e-5);
    EXPECT_NEAR(p.far, 21.1453, 5e-5);
    EXPECT_NEAR(RadiansToDegrees(std::atan(p.right / p.near)), 23.58, 0.005);
    EXPECT_NEAR(RadiansToDegrees(std::atan(p.top / p.near)), 14.11, 0.005);
    EXPECT_DOUBLE_EQ(p.left, -p.right);
    EXPECT_DOUBLE_EQ(p.bottom, -p.top);
}

TEST(CameraProjection, TopViewAt660By380) {
    CameraScene s(CameraStyle::kOrthogonal, 10, {0, 10, 10});
    const TProjection p = ComputeProjection(s.camera, 660, 380);
    EXPECT_NEAR(p.right, 5.0, 1e-12);
    EXPECT_NEAR(p.top, 2.879, 5e-4);
    EXPECT_NEAR(p.near, 10 * 2 * 96 / (25.4 * 660), 1e-12);
    EXPECT_NEAR(p.far, p.near + 20, 1e-12);
}

TEST(CameraProjection, TheLongerSideSetsTheScale) {
    CameraScene s(CameraStyle::kOrthogonal, 10, {0, 10, 10});
    const TProjection tall = ComputeProjection(s.camera, 380, 660);
    EXPECT_NEAR(tall.top, 5.0, 1e-12);
    EXPECT_NEAR(tall.right, 2.879, 5e-4);
}

TEST(CameraProjection, LargerFocalLengthEnlargesThePicture) {
    CameraScene s(CameraStyle::kOrthogonal, 10, {0, 10, 10});
    const double wide = ComputeProjection(s.camera, 660, 380).right;
    s.camera.SetFocalLength(20);
    EXPECT_NEAR(ComputeProjection(s.camera, 660, 380).right, wide / 2, 1e-12);
}

TEST(CameraProjection, FocalLengthOfZeroOrLessIsStoredAsOne) {
    TCamera camera;
    camera.SetFocalLength(0);
    EXPECT_EQ(camera.FocalLength(), 1);
    camera.SetFocalLength(-5);
    EXPECT_EQ(camera.FocalLength(), 1);
}

TEST(CameraView, LooksFromTheCameraTowardsItsTarget) {
    CameraScene s(CameraStyle::kPerspective, 100, {0, 0, 9});
    const TView view(s.camera, 660, 380);
    const ScreenPoint centre = view.Project({0, 0, 0});
    EXPECT_NEAR(centre.x, 330, 1e-9);
    EXPECT_NEAR(centre.y, 190, 1e-9);
    EXPECT_NEAR(centre.depth, 9, 1e-9);
    // Up in the world is up on the screen.
    EXPECT_LT(view.Project({0, 1, 0}).y, centre.y);
}

TEST(CameraView, PixelRaysPassThroughTheProjectedPoints) {
    for (CameraStyle style : {CameraStyle::kPerspective, CameraStyle::kOrthogonal}) {
        CameraScene s(style, style == CameraStyle::kPerspective ? 100 : 10, {1, 3, 9});
        const TView view(s.camera, 668, 478);
        const Ray ray = view.PixelRay(100, 50);
        const Vec3 point = ray.At(3.0);
        const ScreenPoint projected = view.Project(point);
        EXPECT_NEAR(projected.x, 100.5, 1e-6);
        EXPECT_NEAR(projected.y, 50.5, 1e-6);
        EXPECT_NEAR(view.EyeDepth(ray.origin), view.Projection().near, 1e-9);
    }
}

}  // namespace
}  // namespace circumvia::scene
