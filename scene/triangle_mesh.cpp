#include "scene/triangle_mesh.h"

#include <algorithm>
#include <cmath>

namespace circumvia::scene {

void TriangleMesh::ComputeBounds() {
    if (vertices.empty()) return;
    Vec3 low = vertices.front().position;
    Vec3 high = low;
    for (const MeshVertex& vertex : vertices) {
        const Vec3 p = vertex.position;
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
    }
    bound_centre = (low + high) * 0.5;
    bound_radius = 0;
    for (const MeshVertex& vertex : vertices) {
        bound_radius = std::max(bound_radius, Distance(vertex.position, bound_centre));
    }
}

namespace {

bool MissesBounds(const TriangleMesh& mesh, const Ray& ray) {
    const Vec3 to_centre = mesh.bound_centre - ray.origin;
    const double length_squared = Dot(ray.direction, ray.direction);
    if (length_squared == 0) return true;
    const double t = std::max(0.0, Dot(to_centre, ray.direction) / length_squared);
    return Distance(ray.At(t), mesh.bound_centre) > mesh.bound_radius;
}

// Moeller-Trumbore.
std::optional<double> IntersectTriangle(const Ray& ray, Vec3 a, Vec3 b, Vec3 c) {
    const Vec3 edge1 = b - a;
    const Vec3 edge2 = c - a;
    const Vec3 p = Cross(ray.direction, edge2);
    const double determinant = Dot(edge1, p);
    if (std::abs(determinant) < 1e-15) return std::nullopt;
    const double inverse = 1.0 / determinant;
    const Vec3 s = ray.origin - a;
    const double u = Dot(s, p) * inverse;
    if (u < 0 || u > 1) return std::nullopt;
    const Vec3 q = Cross(s, edge1);
    const double v = Dot(ray.direction, q) * inverse;
    if (v < 0 || u + v > 1) return std::nullopt;
    const double t = Dot(edge2, q) * inverse;
    if (t < 0) return std::nullopt;
    return t;
}

}  // namespace

std::optional<double> IntersectMesh(const TriangleMesh& mesh, const Ray& ray) {
    if (MissesBounds(mesh, ray)) return std::nullopt;
    std::optional<double> nearest;
    for (const auto& triangle : mesh.triangles) {
        const auto t = IntersectTriangle(ray, mesh.vertices[triangle[0]].position,
                                         mesh.vertices[triangle[1]].position,
                                         mesh.vertices[triangle[2]].position);
        if (t && (!nearest || *t < *nearest)) nearest = t;
    }
    return nearest;
}

}  // namespace circumvia::scene
