#pragma once
// A ring in the XY plane: ring vertex k of `rings` lies at angle 360k/rings, at
// (cos, -sin) x major radius, with a tube of the minor radius around it. With 4 rings it
// is a square frame whose corners lie on the axes.

#include "scene/meshed_shape.h"
#include "scene/object_visitor.h"

namespace circumvia::scene {

class TTorus : public TMeshedShape {
public:
    double MajorRadius() const { return major_radius_; }
    void SetMajorRadius(double radius) { Reshape(major_radius_, radius); }
    double MinorRadius() const { return minor_radius_; }
    void SetMinorRadius(double radius) { Reshape(minor_radius_, radius); }
    int Rings() const { return rings_; }
    void SetRings(int rings) { Reshape(rings_, rings); }
    int Sides() const { return sides_; }
    void SetSides(int sides) { Reshape(sides_, sides); }

    void Accept(TObjectVisitor& visitor) const override { visitor.Visit(*this); }

private:
    TriangleMesh BuildMesh() const override;

    double major_radius_ = 0.4;
    double minor_radius_ = 0.1;
    int rings_ = 25;
    int sides_ = 15;
};

// The torus surface with outward normals; u runs along the ring, v around the tube.
TriangleMesh BuildTorusMesh(double major_radius, double minor_radius, int rings, int sides);

}  // namespace circumvia::scene
