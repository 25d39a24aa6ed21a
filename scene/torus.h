#pragma once
// A ring in the XY plane: ring vertex k of `rings` lies at angle 360k/rings, at
// (cos, -sin) x major radius, with a tube of the minor radius around it. With 4 rings it
// is a square frame whose corners lie on the axes.

#include "scene/object_visitor.h"
#include "scene/scene_object.h"
#include "scene/triangle_mesh.h"

namespace circumvia::scene {

class TTorus : public TSceneObject {
public:
    double MajorRadius() const { return major_radius_; }
    void SetMajorRadius(double radius) { Reshape(major_radius_, radius); }
    double MinorRadius() const { return minor_radius_; }
    void SetMinorRadius(double radius) { Reshape(minor_radius_, radius); }
    int Rings() const { return rings_; }
    void SetRings(int rings) { Reshape(rings_, rings); }
    int Sides() const { return sides_; }
    void SetSides(int sides) { Reshape(sides_, sides); }

    // The surface as triangles, built when first needed after a change of shape.
    const TriangleMesh& Mesh() const;

    void Accept(TObjectVisitor& visitor) const override { visitor.Visit(*this); }
    std::optional<double> IntersectLocal(const Ray& ray) const override;

private:
    template <typename T>
    void Reshape(T& field, const T& value) {
        if (field == value) return;
        mesh_.reset();
        Assign(field, value);
    }

    double major_radius_ = 0.4;
    double minor_radius_ = 0.1;
    int rings_ = 25;
    int sides_ = 15;
    mutable std::optional<TriangleMesh> mesh_;
};

// The torus surface with outward normals; u runs along the ring, v around the tube.
TriangleMesh BuildTorusMesh(double major_radius, double minor_radius, int rings, int sides);

}  // namespace circumvia::scene
