#include <gtest/gtest.h>

#include "scene/arrow_line.h"
#include "scene/torus.h"
#include "scene_test_support.h"

namespace circumvia::scene {
namespace {

// Every triangle must wind counter-clockwise seen from the side its normals point to,
// or back-face culling would remove the visible side.
void ExpectOutwardWinding(const TriangleMesh& mesh) {
    for (const auto& t : mesh.triangles) {
        const MeshVertex& a = mesh.vertices[t[0]];
        const MeshVertex& b = mesh.vertices[t[1]];
        const MeshVertex& c = mesh.vertices[t[2]];
        const Vec3 face = Cross(b.position - a.position, c.position - a.position);
        const Vec3 normal = a.normal + b.normal + c.normal;
        ASSERT_GT(Dot(face, normal), 0);
    }
}

TEST(TorusMesh, FacesOutwards) {
    ExpectOutwardWinding(BuildTorusMesh(3.8, 0.1, 4, 15));
    ExpectOutwardWinding(BuildTorusMesh(0.4, 0.1, 25, 15));
}

TEST(TorusMesh, FourRingsMakeASquareWithCornersOnTheAxes) {
    const TriangleMesh mesh = BuildTorusMesh(3.8, 0.1, 4, 15);
    // The outermost points of the tube at ring vertices 0 and 1: (+R, 0) and (0, -R).
    ExpectNear(mesh.vertices[0].position, {3.9, 0, 0});
    ExpectNear(mesh.vertices[16].position, {0, -3.9, 0});
    EXPECT_NEAR(mesh.bound_radius, 3.9, 1e-9);
}

TEST(TorusMesh, IsHitOnTheTubeAndNotInTheHole) {
    TTorus torus;  // major 0.4, minor 0.1
    const auto t = torus.IntersectLocal({{0.4, 0, 1}, {0, 0, -1}});
    ASSERT_TRUE(t.has_value());
    EXPECT_NEAR(*t, 0.9, 0.01);
    EXPECT_FALSE(torus.IntersectLocal({{0, 0, 1}, {0, 0, -1}}).has_value());
}

TEST(ArrowMesh, ShaftAndHeadRunAlongZ) {
    TArrowLine arrow;
    arrow.SetHeight(0.2);
    arrow.SetBottomRadius(0.02);
    arrow.SetTopRadius(0.02);
    arrow.SetTopArrowHeadHeight(0.2);
    arrow.SetTopArrowHeadRadius(0.06);
    ExpectOutwardWinding(arrow.Mesh());
    // Across the shaft and across the head's base; past the tip nothing.
    EXPECT_TRUE(arrow.IntersectLocal({{0, 1, 0}, {0, -1, 0}}).has_value());
    EXPECT_TRUE(arrow.IntersectLocal({{0.05, 1, 0.11}, {0, -1, 0}}).has_value());
    EXPECT_FALSE(arrow.IntersectLocal({{0, 1, 0.31}, {0, -1, 0}}).has_value());
    EXPECT_FALSE(arrow.IntersectLocal({{0, 1, -0.11}, {0, -1, 0}}).has_value());
}

TEST(ArrowMesh, ChangingTheShapeRebuildsTheMesh) {
    TArrowLine arrow;
    const double before = arrow.Mesh().bound_radius;
    arrow.SetHeight(4);
    EXPECT_GT(arrow.Mesh().bound_radius, before);
}

}  // namespace
}  // namespace circumvia::scene
