#include "scene/arrow_line.h"

#include <algorithm>
#include <cmath>

#include "scene/angles.h"

namespace circumvia::scene {
namespace {

// A frustum of a cone about Z from (z0, r0) to (z1, r1), closed at the bottom.
void AddFrustum(TriangleMesh& mesh, double z0, double r0, double z1, double r1, int slices) {
    const int centre = static_cast<int>(mesh.vertices.size());
    mesh.vertices.push_back({{0, 0, z0}, {0, 0, -1}});
    const int first = centre + 1;
    for (int i = 0; i < slices; ++i) {
        const double angle = 2 * kPi * i / slices;
        const Vec3 radial{std::cos(angle), std::sin(angle), 0};
        mesh.vertices.push_back({radial * r0 + Vec3{0, 0, z0}, radial});
        mesh.vertices.push_back({radial * r1 + Vec3{0, 0, z1}, radial});
    }
    for (int i = 0; i < slices; ++i) {
        const int bottom = first + 2 * i;
        const int next_bottom = first + 2 * ((i + 1) % slices);
        mesh.triangles.push_back({bottom, next_bottom, next_bottom + 1});
        if (r1 > 0) mesh.triangles.push_back({bottom, next_bottom + 1, bottom + 1});
        mesh.triangles.push_back({centre, next_bottom, bottom});
    }
}

}  // namespace

TriangleMesh TArrowLine::BuildMesh() const {
    TriangleMesh mesh;
    const int slices = std::max(slices_, 3);
    AddFrustum(mesh, -height_ / 2, bottom_radius_, height_ / 2, top_radius_, slices);
    AddFrustum(mesh, height_ / 2, head_radius_, height_ / 2 + head_height_, 0, slices);
    mesh.ComputeBounds();
    return mesh;
}

}  // namespace circumvia::scene
