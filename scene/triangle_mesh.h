#pragma once
// A triangle list with normals and texture coordinates, for the shapes that have no GLU
// quadric (the torus) and for picking the ones that are curved in two ways (the arrow).
// Triangles wind counter-clockwise seen from their front.

#include <array>
#include <optional>
#include <vector>

#include "scene/ray.h"
#include "scene/vector3.h"

namespace circumvia::scene {

struct MeshVertex {
    Vec3 position;
    Vec3 normal;
    double u = 0;
    double v = 0;
};

struct TriangleMesh {
    std::vector<MeshVertex> vertices;
    std::vector<std::array<int, 3>> triangles;
    // A sphere around every vertex, so most rays are turned away cheaply.
    Vec3 bound_centre;
    double bound_radius = 0;

    void ComputeBounds();
};

// The nearest hit of the ray on any triangle, either side, as the ray's parameter.
std::optional<double> IntersectMesh(const TriangleMesh& mesh, const Ray& ray);

}  // namespace circumvia::scene
