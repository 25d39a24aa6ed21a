#pragma once
// An invisible group: it only carries a frame for its children.

#include "scene/object_visitor.h"
#include "scene/scene_object.h"

namespace circumvia::scene {

class TDummyCube : public TSceneObject {
public:
    double CubeSize() const { return cube_size_; }
    void SetCubeSize(double size) { cube_size_ = size; }  // no visible effect
    void Accept(TObjectVisitor& visitor) const override { visitor.Visit(*this); }

private:
    double cube_size_ = 1;
};

}  // namespace circumvia::scene
