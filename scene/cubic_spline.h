#pragma once
// A natural cubic spline (second derivative 0 at both ends) through values at the
// parameters 0, 1, ..., n-1. Through two values it is the straight line between them.

#include <vector>

namespace circumvia::scene {

class NaturalCubicSpline {
public:
    NaturalCubicSpline() = default;
    explicit NaturalCubicSpline(std::vector<double> values);

    // The value at parameter t, clamped to 0..n-1.
    double At(double t) const;

private:
    std::vector<double> values_;
    std::vector<double> second_derivatives_;
};

}  // namespace circumvia::scene
