#include "scene/projection.h"

#include <algorithm>

namespace circumvia::scene {

Mat4 TProjection::Matrix() const {
    return style == CameraStyle::kPerspective ? Mat4::Frustum(left, right, bottom, top, near, far)
                                              : Mat4::Ortho(left, right, bottom, top, near, far);
}

TProjection ComputeProjection(const TCamera& camera, int width, int height,
                              double pixels_per_inch) {
    const double w = std::max(width, 1);
    const double h = std::max(height, 1);
    const double m = std::max(w, h);
    TProjection p;
    p.style = camera.Style();
    p.near = camera.FocalLength() * 2 * pixels_per_inch / (25.4 * m);
    p.far = p.near + camera.DepthOfView();
    if (p.style == CameraStyle::kPerspective) {
        p.right = w / (2 * m);
        p.top = h / (2 * m);
    } else {
        p.right = 50 * w / (camera.FocalLength() * m);
        p.top = 50 * h / (camera.FocalLength() * m);
    }
    p.left = -p.right;
    p.bottom = -p.top;
    return p;
}

Mat4 ComputeViewMatrix(const TCamera& camera) {
    const Mat4 frame = camera.AbsoluteMatrix();
    const Vec3 eye = frame.TransformPoint({0, 0, 0});
    const Vec3 target = camera.Target() != nullptr ? camera.Target()->AbsolutePosition()
                                                   : eye + frame.TransformVector({0, 0, 1});
    const Vec3 up = camera.Parent() != nullptr
                        ? camera.Parent()->AbsoluteMatrix().TransformVector(camera.Up())
                        : camera.Up();
    return Mat4::LookAt(eye, target, up);
}

TView::TView(const TCamera& camera, int width, int height, double pixels_per_inch)
    : projection_(ComputeProjection(camera, width, height, pixels_per_inch)),
      view_(ComputeViewMatrix(camera)),
      eye_to_world_(view_.Inverse()),
      width_(std::max(width, 1)),
      height_(std::max(height, 1)) {}

Ray TView::PixelRay(double x, double y) const {
    const TProjection& p = projection_;
    // Normalised device coordinates -1..1, y upwards.
    const double ndc_x = 2 * (x + 0.5) / width_ - 1;
    const double ndc_y = 1 - 2 * (y + 0.5) / height_;
    const double near_x = p.left + (ndc_x + 1) / 2 * (p.right - p.left);
    const double near_y = p.bottom + (ndc_y + 1) / 2 * (p.top - p.bottom);
    Ray eye_ray;
    if (p.style == CameraStyle::kPerspective) {
        eye_ray = {{near_x, near_y, -p.near}, {near_x, near_y, -p.near}};
    } else {
        eye_ray = {{near_x, near_y, -p.near}, {0, 0, -1}};
    }
    return {eye_to_world_.TransformPoint(eye_ray.origin),
            eye_to_world_.TransformVector(eye_ray.direction)};
}

ScreenPoint TView::Project(Vec3 world) const {
    const Vec3 eye = view_.TransformPoint(world);
    const Vec3 ndc = projection_.Matrix().TransformProjective(eye);
    return {(ndc.x + 1) / 2 * width_, (1 - ndc.y) / 2 * height_, -eye.z};
}

double TView::EyeDepth(Vec3 world) const {
    return -view_.TransformPoint(world).z;
}

}  // namespace circumvia::scene
