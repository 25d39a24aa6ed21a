#include "scene/torus.h"

#include <algorithm>
#include <cmath>

#include "scene/angles.h"

namespace circumvia::scene {

TriangleMesh BuildTorusMesh(double major_radius, double minor_radius, int rings, int sides) {
    rings = std::max(rings, 3);
    sides = std::max(sides, 3);
    TriangleMesh mesh;
    // One extra ring and side repeat the first ones with u or v = 1, for the texture seam.
    for (int k = 0; k <= rings; ++k) {
        const double theta = 2 * kPi * k / rings;
        const Vec3 radial{std::cos(theta), -std::sin(theta), 0};
        for (int j = 0; j <= sides; ++j) {
            const double phi = 2 * kPi * j / sides;
            const Vec3 normal = radial * std::cos(phi) + Vec3{0, 0, 1} * std::sin(phi);
            mesh.vertices.push_back({radial * major_radius + normal * minor_radius, normal,
                                     static_cast<double>(k) / rings,
                                     static_cast<double>(j) / sides});
        }
    }
    const auto index = [sides](int k, int j) { return k * (sides + 1) + j; };
    for (int k = 0; k < rings; ++k) {
        for (int j = 0; j < sides; ++j) {
            // The ring runs clockwise seen from +Z, so this order faces outwards.
            mesh.triangles.push_back({index(k, j), index(k, j + 1), index(k + 1, j + 1)});
            mesh.triangles.push_back({index(k, j), index(k + 1, j + 1), index(k + 1, j)});
        }
    }
    mesh.ComputeBounds();
    return mesh;
}

TriangleMesh TTorus::BuildMesh() const {
    return BuildTorusMesh(major_radius_, minor_radius_, rings_, sides_);
}

}  // namespace circumvia::scene
