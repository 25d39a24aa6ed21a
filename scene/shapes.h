#pragma once
// The simple solid and flat shapes, each in its own frame, with their exact ray hits.
// Flat shapes face +Z and, like the culled drawing, are hit from the front only.

#include "scene/object_visitor.h"
#include "scene/scene_object.h"

namespace circumvia::scene {

// A box centred on the origin, all six faces, each face textured 0..1.
class TCube : public TSceneObject {
public:
    Vec3 Size() const { return size_; }
    void SetSize(Vec3 size) { Assign(size_, size); }
    void Accept(TObjectVisitor& visitor) const override { visitor.Visit(*this); }
    std::optional<double> IntersectLocal(const Ray& ray) const override;

private:
    Vec3 size_{1, 1, 1};
};

// A rectangle in the XY plane centred on the origin; the picture repeats `tiles` times.
class TPlane : public TSceneObject {
public:
    double Width() const { return width_; }
    void SetWidth(double width) { Assign(width_, width); }
    double Height() const { return height_; }
    void SetHeight(double height) { Assign(height_, height); }
    int XTiles() const { return x_tiles_; }
    void SetXTiles(int tiles) { Assign(x_tiles_, tiles); }
    int YTiles() const { return y_tiles_; }
    void SetYTiles(int tiles) { Assign(y_tiles_, tiles); }
    void Accept(TObjectVisitor& visitor) const override { visitor.Visit(*this); }
    std::optional<double> IntersectLocal(const Ray& ray) const override;

private:
    double width_ = 1;
    double height_ = 1;
    int x_tiles_ = 1;
    int y_tiles_ = 1;
};

// An annulus in the XY plane, from the start angle through start + sweep; angles run
// from +Y (0) towards +X (90), as the GLU partial disk draws them.
class TDisk : public TSceneObject {
public:
    double InnerRadius() const { return inner_radius_; }
    void SetInnerRadius(double radius) { Assign(inner_radius_, radius); }
    double OuterRadius() const { return outer_radius_; }
    void SetOuterRadius(double radius) { Assign(outer_radius_, radius); }
    int Slices() const { return slices_; }
    void SetSlices(int slices) { Assign(slices_, slices); }
    int Loops() const { return loops_; }
    void SetLoops(int loops) { Assign(loops_, loops); }
    double StartAngle() const { return start_angle_; }
    void SetStartAngle(double degrees) { Assign(start_angle_, degrees); }
    double SweepAngle() const { return sweep_angle_; }
    void SetSweepAngle(double degrees) { Assign(sweep_angle_, degrees); }
    void Accept(TObjectVisitor& visitor) const override { visitor.Visit(*this); }
    std::optional<double> IntersectLocal(const Ray& ray) const override;

private:
    double inner_radius_ = 0;
    double outer_radius_ = 0.5;
    int slices_ = 16;
    int loops_ = 2;
    double start_angle_ = 0;
    double sweep_angle_ = 360;
};

class TSphere : public TSceneObject {
public:
    double Radius() const { return radius_; }
    void SetRadius(double radius) { Assign(radius_, radius); }
    int Slices() const { return slices_; }
    void SetSlices(int slices) { Assign(slices_, slices); }
    int Stacks() const { return stacks_; }
    void SetStacks(int stacks) { Assign(stacks_, stacks); }
    void Accept(TObjectVisitor& visitor) const override { visitor.Visit(*this); }
    std::optional<double> IntersectLocal(const Ray& ray) const override;

private:
    double radius_ = 0.5;
    int slices_ = 16;
    int stacks_ = 16;
};

}  // namespace circumvia::scene
