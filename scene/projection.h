#pragma once
// What a camera shows in a viewport of w x h pixels, with M = max(w, h) and D pixels per
// inch: near plane n = focal length x 2D / (25.4 M), far plane n + depth of view;
// perspective frustum at the near plane +-w/(2M) by +-h/(2M); orthogonal box
// +-50w/(focal length x M) by +-50h/(focal length x M).

#include "scene/camera.h"
#include "scene/matrix4.h"
#include "scene/ray.h"

namespace circumvia::scene {

inline constexpr double kDefaultPixelsPerInch = 96;

struct TProjection {
    CameraStyle style = CameraStyle::kPerspective;
    double left = 0;
    double right = 0;
    double bottom = 0;
    double top = 0;
    double near = 0;
    double far = 0;

    Mat4 Matrix() const;
};

TProjection ComputeProjection(const TCamera& camera, int width, int height,
                              double pixels_per_inch = kDefaultPixelsPerInch);
// World to eye coordinates.
Mat4 ComputeViewMatrix(const TCamera& camera);

struct ScreenPoint {
    double x = 0;      // pixels from the left edge
    double y = 0;      // pixels from the top edge
    double depth = 0;  // distance in front of the eye, along the view axis
};

// A camera's view in a viewport: rays through pixels and the projection of points.
class TView {
public:
    TView(const TCamera& camera, int width, int height,
          double pixels_per_inch = kDefaultPixelsPerInch);

    const TProjection& Projection() const { return projection_; }
    const Mat4& ViewMatrix() const { return view_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The ray through a point of the viewport (pixel (x, y) has its centre at x + 0.5,
    // y + 0.5), in world coordinates, starting on the near plane.
    Ray PixelRay(double x, double y) const;
    ScreenPoint Project(Vec3 world) const;
    // Distance of a world point in front of the eye, along the view axis.
    double EyeDepth(Vec3 world) const;

private:
    TProjection projection_;
    Mat4 view_;
    Mat4 eye_to_world_;
    int width_;
    int height_;
};

}  // namespace circumvia::scene
