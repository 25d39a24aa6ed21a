#include "model/rating/logistic.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace circumvia::rating {

double ExpectedScore(double difference) {
    return 1.0 / (1.0 + std::pow(10.0, -difference / kScaleWidth));
}

double DifferenceForScore(double score) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    if (score <= 0.0) return -kInfinity;
    if (score >= 1.0) return kInfinity;
    return kScaleWidth * std::log10(score / (1.0 - score));
}

double DifferencePerScore(double score) {
    return kScaleWidth / (std::numbers::ln10 * score * (1.0 - score));
}

}  // namespace circumvia::rating
