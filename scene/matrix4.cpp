#include "scene/matrix4.h"

#include <cmath>

namespace circumvia::scene {

Mat4::Mat4() : m_{} {
    for (int i = 0; i < 4; ++i) (*this)(i, i) = 1;
}

Mat4 Mat4::FromAxes(Vec3 x_axis, Vec3 y_axis, Vec3 z_axis, Vec3 origin) {
    Mat4 m;
    const Vec3 columns[4] = {x_axis, y_axis, z_axis, origin};
    for (int c = 0; c < 4; ++c) {
        m(0, c) = columns[c].x;
        m(1, c) = columns[c].y;
        m(2, c) = columns[c].z;
    }
    return m;
}

Mat4 Mat4::Translation(Vec3 offset) {
    return FromAxes({1, 0, 0}, {0, 1, 0}, {0, 0, 1}, offset);
}

Mat4 Mat4::Frustum(double left, double right, double bottom, double top, double near, double far) {
    Mat4 m;
    m(0, 0) = 2 * near / (right - left);
    m(1, 1) = 2 * near / (top - bottom);
    m(0, 2) = (right + left) / (right - left);
    m(1, 2) = (top + bottom) / (top - bottom);
    m(2, 2) = -(far + near) / (far - near);
    m(3, 2) = -1;
    m(2, 3) = -2 * far * near / (far - near);
    m(3, 3) = 0;
    return m;
}

Mat4 Mat4::Ortho(double left, double right, double bottom, double top, double near, double far) {
    Mat4 m;
    m(0, 0) = 2 / (right - left);
    m(1, 1) = 2 / (top - bottom);
    m(2, 2) = -2 / (far - near);
    m(0, 3) = -(right + left) / (right - left);
    m(1, 3) = -(top + bottom) / (top - bottom);
    m(2, 3) = -(far + near) / (far - near);
    return m;
}

Mat4 Mat4::LookAt(Vec3 eye, Vec3 target, Vec3 up) {
    const Vec3 forward = Normalized(target - eye);
    const Vec3 side = Normalized(Cross(forward, up));
    const Vec3 true_up = Cross(side, forward);
    Mat4 m;
    const Vec3 rows[3] = {side, true_up, -forward};
    for (int r = 0; r < 3; ++r) {
        m(r, 0) = rows[r].x;
        m(r, 1) = rows[r].y;
        m(r, 2) = rows[r].z;
        m(r, 3) = -Dot(rows[r], eye);
    }
    return m;
}

Mat4 operator*(const Mat4& a, const Mat4& b) {
    Mat4 product;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) sum += a(r, k) * b(k, c);
            product(r, c) = sum;
        }
    }
    return product;
}

Vec3 Mat4::TransformPoint(Vec3 p) const {
    const Mat4& m = *this;
    return {m(0, 0) * p.x + m(0, 1) * p.y + m(0, 2) * p.z + m(0, 3),
            m(1, 0) * p.x + m(1, 1) * p.y + m(1, 2) * p.z + m(1, 3),
            m(2, 0) * p.x + m(2, 1) * p.y + m(2, 2) * p.z + m(2, 3)};
}

Vec3 Mat4::TransformVector(Vec3 v) const {
    const Mat4& m = *this;
    return {m(0, 0) * v.x + m(0, 1) * v.y + m(0, 2) * v.z,
            m(1, 0) * v.x + m(1, 1) * v.y + m(1, 2) * v.z,
            m(2, 0) * v.x + m(2, 1) * v.y + m(2, 2) * v.z};
}

Vec3 Mat4::TransformProjective(Vec3 p) const {
    const Mat4& m = *this;
    const double w = m(3, 0) * p.x + m(3, 1) * p.y + m(3, 2) * p.z + m(3, 3);
    const Vec3 q = TransformPoint(p);
    return w != 0 ? q * (1.0 / w) : q;
}

Mat4 Mat4::Inverse() const {
    // Cofactor expansion; cheap enough for the few inversions a pick needs.
    const auto& m = m_;
    std::array<double, 16> inv{};
    inv[0] = m[5] * m[10] * m[15] - m[5] * m[11] * m[14] - m[9] * m[6] * m[15] +
             m[9] * m[7] * m[14] + m[13] * m[6] * m[11] - m[13] * m[7] * m[10];
    inv[4] = -m[4] * m[10] * m[15] + m[4] * m[11] * m[14] + m[8] * m[6] * m[15] -
             m[8] * m[7] * m[14] - m[12] * m[6] * m[11] + m[12] * m[7] * m[10];
    inv[8] = m[4] * m[9] * m[15] - m[4] * m[11] * m[13] - m[8] * m[5] * m[15] +
             m[8] * m[7] * m[13] + m[12] * m[5] * m[11] - m[12] * m[7] * m[9];
    inv[12] = -m[4] * m[9] * m[14] + m[4] * m[10] * m[13] + m[8] * m[5] * m[14] -
              m[8] * m[6] * m[13] - m[12] * m[5] * m[10] + m[12] * m[6] * m[9];
    inv[1] = -m[1] * m[10] * m[15] + m[1] * m[11] * m[14] + m[9] * m[2] * m[15] -
             m[9] * m[3] * m[14] - m[13] * m[2] * m[11] + m[13] * m[3] * m[10];
    inv[5] = m[0] * m[10] * m[15] - m[0] * m[11] * m[14] - m[8] * m[2] * m[15] +
             m[8] * m[3] * m[14] + m[12] * m[2] * m[11] - m[12] * m[3] * m[10];
    inv[9] = -m[0] * m[9] * m[15] + m[0] * m[11] * m[13] + m[8] * m[1] * m[15] -
             m[8] * m[3] * m[13] - m[12] * m[1] * m[11] + m[12] * m[3] * m[9];
    inv[13] = m[0] * m[9] * m[14] - m[0] * m[10] * m[13] - m[8] * m[1] * m[14] +
              m[8] * m[2] * m[13] + m[12] * m[1] * m[10] - m[12] * m[2] * m[9];
    inv[2] = m[1] * m[6] * m[15] - m[1] * m[7] * m[14] - m[5] * m[2] * m[15] + m[5] * m[3] * m[14] +
             m[13] * m[2] * m[7] - m[13] * m[3] * m[6];
    inv[6] = -m[0] * m[6] * m[15] + m[0] * m[7] * m[14] + m[4] * m[2] * m[15] -
             m[4] * m[3] * m[14] - m[12] * m[2] * m[7] + m[12] * m[3] * m[6];
    inv[10] = m[0] * m[5] * m[15] - m[0] * m[7] * m[13] - m[4] * m[1] * m[15] +
              m[4] * m[3] * m[13] + m[12] * m[1] * m[7] - m[12] * m[3] * m[5];
    inv[14] = -m[0] * m[5] * m[14] + m[0] * m[6] * m[13] + m[4] * m[1] * m[14] -
              m[4] * m[2] * m[13] - m[12] * m[1] * m[6] + m[12] * m[2] * m[5];
    inv[3] = -m[1] * m[6] * m[11] + m[1] * m[7] * m[10] + m[5] * m[2] * m[11] -
             m[5] * m[3] * m[10] - m[9] * m[2] * m[7] + m[9] * m[3] * m[6];
    inv[7] = m[0] * m[6] * m[11] - m[0] * m[7] * m[10] - m[4] * m[2] * m[11] + m[4] * m[3] * m[10] +
             m[8] * m[2] * m[7] - m[8] * m[3] * m[6];
    inv[11] = -m[0] * m[5] * m[11] + m[0] * m[7] * m[9] + m[4] * m[1] * m[11] - m[4] * m[3] * m[9] -
              m[8] * m[1] * m[7] + m[8] * m[3] * m[5];
    inv[15] = m[0] * m[5] * m[10] - m[0] * m[6] * m[9] - m[4] * m[1] * m[10] + m[4] * m[2] * m[9] +
              m[8] * m[1] * m[6] - m[8] * m[2] * m[5];
    const double det = m[0] * inv[0] + m[1] * inv[4] + m[2] * inv[8] + m[3] * inv[12];
    Mat4 result;
    if (std::abs(det) < 1e-300) return result;
    for (int i = 0; i < 16; ++i) result.m_[i] = inv[i] / det;
    return result;
}

}  // namespace circumvia::scene
