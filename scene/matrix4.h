#pragma once
// 4 x 4 transforms, column-major as OpenGL loads them, so the renderer and the picking
// code use exactly the same numbers.

#include <array>

#include "scene/vector3.h"

namespace circumvia::scene {

class Mat4 {
public:
    Mat4();  // identity

    // The frame with the given axes (columns) and origin.
    static Mat4 FromAxes(Vec3 x_axis, Vec3 y_axis, Vec3 z_axis, Vec3 origin);
    static Mat4 Translation(Vec3 offset);
    // As glFrustum and glOrtho.
    static Mat4 Frustum(double left, double right, double bottom, double top, double near,
                        double far);
    static Mat4 Ortho(double left, double right, double bottom, double top, double near,
                      double far);
    // The view from `eye` towards `target`, as gluLookAt.
    static Mat4 LookAt(Vec3 eye, Vec3 target, Vec3 up);

    double operator()(int row, int column) const { return m_[column * 4 + row]; }
    double& operator()(int row, int column) { return m_[column * 4 + row]; }
    const double* Data() const { return m_.data(); }

    friend Mat4 operator*(const Mat4& a, const Mat4& b);
    Vec3 TransformPoint(Vec3 p) const;
    Vec3 TransformVector(Vec3 v) const;
    // Point with the projective divide, for projection matrices.
    Vec3 TransformProjective(Vec3 p) const;
    // The general inverse; a singular matrix gives the identity.
    Mat4 Inverse() const;

private:
    std::array<double, 16> m_;
};

}  // namespace circumvia::scene
