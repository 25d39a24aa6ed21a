#pragma once
// An arrow along the Z axis: a shaft (cylinder) from z = -height/2 to +height/2 with its
// bottom and top radius, and a head (cone) from +height/2 narrowing to a point.

#include "scene/object_visitor.h"
#include "scene/scene_object.h"
#include "scene/triangle_mesh.h"

namespace circumvia::scene {

class TArrowLine : public TSceneObject {
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

    // The closed surface as triangles, for picking.
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

    double height_ = 1;
    double bottom_radius_ = 0.1;
    double top_radius_ = 0.1;
    double head_height_ = 0.5;
    double head_radius_ = 0.2;
    int slices_ = 16;
    mutable std::optional<TriangleMesh> mesh_;
};

}  // namespace circumvia::scene
