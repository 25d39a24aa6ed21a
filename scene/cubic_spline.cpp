#include "scene/cubic_spline.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace circumvia::scene {

NaturalCubicSpline::NaturalCubicSpline(std::vector<double> values)
    : values_(std::move(values)), second_derivatives_(values_.size(), 0.0) {
    const std::size_t n = values_.size();
    if (n < 3) return;
    // Unit spacing: m[i-1] + 4 m[i] + m[i+1] = 6 (y[i+1] - 2 y[i] + y[i-1]) for the inner
    // knots, m = 0 at both ends; solved by forward elimination and back substitution.
    std::vector<double> diagonal(n, 4.0);
    std::vector<double> right(n, 0.0);
    for (std::size_t i = 1; i + 1 < n; ++i) {
        right[i] = 6 * (values_[i + 1] - 2 * values_[i] + values_[i - 1]);
    }
    for (std::size_t i = 2; i + 1 < n; ++i) {
        const double factor = 1.0 / diagonal[i - 1];
        diagonal[i] -= factor;
        right[i] -= factor * right[i - 1];
    }
    for (std::size_t i = n - 2; i >= 1; --i) {
        const double next = i + 2 < n ? second_derivatives_[i + 1] : 0.0;
        second_derivatives_[i] = (right[i] - next) / diagonal[i];
    }
}

double NaturalCubicSpline::At(double t) const {
    if (values_.empty()) return 0;
    if (values_.size() == 1) return values_.front();
    const double last = static_cast<double>(values_.size() - 1);
    t = std::clamp(t, 0.0, last);
    const auto i = std::min(static_cast<std::size_t>(std::floor(t)), values_.size() - 2);
    const double u = t - static_cast<double>(i);
    const double w = 1 - u;
    return w * values_[i] + u * values_[i + 1] +
           ((w * w * w - w) * second_derivatives_[i] +
            (u * u * u - u) * second_derivatives_[i + 1]) /
               6;
}

}  // namespace circumvia::scene
