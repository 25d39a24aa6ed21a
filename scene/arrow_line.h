#pragma once
// An arrow along the Z axis: a shaft (cylinder) from z = -height/2 to +height/2 with its
// bottom and top radius, and a head (cone) from +height/2 narrowing to a point.

#include "scene/meshed_shape.h"
#include "scene/object_visitor.h"

namespace circumvia::scene {

class TArrowLine : public TMeshedShape {
public:
    double Height() const { return height_; }
    void SetHeight(double height) { Reshape(height_, height); }
    double BottomRadius() const { return bottom_radius_; }
    void SetBottomRadius(double radius) { Reshape(bottom_radius_, radius); }
    double TopRadius() const { return top_radius_; }
    void SetTopRadius(double radius) { Reshape(top_radius_, radius); }
    double TopArrowHeadHeight() const { return head_height_; }
    void SetTopArrowHeadHeight(double height) { Reshape(head_height_, height); }
    double TopArrowHeadRadius() const { return head_radius_; }
    void SetTopArrowHeadRadius(double radius) { Reshape(head_radius_, radius); }
    int Slices() const { return slices_; }
    void SetSlices(int slices) { Reshape(slices_, slices); }

    void Accept(TObjectVisitor& visitor) const override { visitor.Visit(*this); }

private:
    TriangleMesh BuildMesh() const override;

    double height_ = 1;
    double bottom_radius_ = 0.1;
    double top_radius_ = 0.1;
    double head_height_ = 0.5;
    double head_radius_ = 0.2;
    int slices_ = 16;
};

}  // namespace circumvia::scene
