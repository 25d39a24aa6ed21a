#pragma once
// A shape whose surface is kept as a triangle mesh for picking (and, where no GLU
// quadric fits, for drawing). The mesh is built when first needed after a change of shape.

#include <optional>

#include "scene/scene_object.h"
#include "scene/triangle_mesh.h"

namespace circumvia::scene {

class TMeshedShape : public TSceneObject {
public:
    const TriangleMesh& Mesh() const {
        if (!mesh_) mesh_ = BuildMesh();
        return *mesh_;
    }
    std::optional<double> IntersectLocal(const Ray& ray) const override {
        return IntersectMesh(Mesh(), ray);
    }

protected:
    // Sets a dimension; the mesh is rebuilt at its next use.
    template <typename T>
    void Reshape(T& field, const T& value) {
        if (field == value) return;
        mesh_.reset();
        Assign(field, value);
    }
    virtual TriangleMesh BuildMesh() const = 0;

private:
    mutable std::optional<TriangleMesh> mesh_;
};

}  // namespace circumvia::scene
