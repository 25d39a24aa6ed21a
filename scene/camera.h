#pragma once
// The camera: looks from its absolute position towards its target's, with its own up
// vector, in perspective or orthogonally (the numbers are in projection.h).

#include "scene/object_visitor.h"
#include "scene/scene_object.h"

namespace circumvia::scene {

enum class CameraStyle { kPerspective, kOrthogonal };

class TCamera : public TSceneObject {
public:
    CameraStyle Style() const { return style_; }
    void SetStyle(CameraStyle style) { Assign(style_, style); }
    double FocalLength() const { return focal_length_; }
    // A focal length of 0 or less is stored as 1.
    void SetFocalLength(double focal_length) {
        Assign(focal_length_, focal_length > 0 ? focal_length : 1.0);
    }
    double DepthOfView() const { return depth_of_view_; }
    void SetDepthOfView(double depth) { Assign(depth_of_view_, depth); }
    // Without a target the camera looks along its direction vector.
    const TSceneObject* Target() const { return target_; }
    void SetTarget(const TSceneObject* target) { Assign(target_, target); }

    void Accept(TObjectVisitor& visitor) const override { visitor.Visit(*this); }

private:
    CameraStyle style_ = CameraStyle::kPerspective;
    double focal_length_ = 50;
    double depth_of_view_ = 100;
    const TSceneObject* target_ = nullptr;
};

}  // namespace circumvia::scene
