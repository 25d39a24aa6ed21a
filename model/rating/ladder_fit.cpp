#include "model/rating/ladder_fit.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "model/rating/logistic.h"

namespace circumvia::rating {

namespace {

using Matrix = std::vector<std::vector<double>>;

// The inverse of a symmetric positive definite matrix, by Gauss-Jordan elimination; empty
// when a pivot vanishes (some unknown is not tied to the others).
Matrix Inverse(Matrix matrix) {
    const std::size_t size = matrix.size();
    double largest = 0.0;
    for (std::size_t i = 0; i < size; ++i) largest = std::max(largest, matrix[i][i]);
    Matrix inverse(size, std::vector<double>(size, 0.0));
    for (std::size_t i = 0; i < size; ++i) inverse[i][i] = 1.0;
    for (std::size_t col = 0; col < size; ++col) {
        const double pivot = matrix[col][col];
        if (!(pivot > 1e-12 * largest)) return {};
        for (std::size_t k = 0; k < size; ++k) {
            matrix[col][k] /= pivot;
            inverse[col][k] /= pivot;
        }
        for (std::size_t row = 0; row < size; ++row) {
            const double factor = matrix[row][col];
            if (row == col || factor == 0.0) continue;
            for (std::size_t k = 0; k < size; ++k) {
                matrix[row][k] -= factor * matrix[col][k];
                inverse[row][k] -= factor * inverse[col][k];
            }
        }
    }
    return inverse;
}

}  // namespace

std::vector<Estimate> FitRatings(std::span<const PairResult> pairs, int count, int anchor,
                                 double anchor_rating) {
    if (anchor < 0 || anchor >= count) throw std::invalid_argument("anchor outside the players");
    // Unknowns: every player's distance from the anchor, the anchor's own left out.
    const auto unknown = [anchor](int player) { return player < anchor ? player : player - 1; };
    const auto size = static_cast<std::size_t>(count - 1);
    Matrix normal(size, std::vector<double>(size, 0.0));
    std::vector<double> target(size, 0.0);
    for (const PairResult& pair : pairs) {
        if (pair.first < 0 || pair.first >= count || pair.second < 0 || pair.second >= count ||
            pair.first == pair.second) {
            throw std::invalid_argument("a pair names a player outside the ladder or twice");
        }
        const int games = pair.tally.Games();
        if (games == 0) continue;
        const double edge = 0.5 / games;
        const double score = std::clamp(pair.tally.Score(), edge, 1.0 - edge);
        const double slope = DifferencePerScore(score);
        const double weight = games / (slope * slope * PointsVariance(pair.tally));
        const double difference = DifferenceForScore(score);
        const int ends[2] = {pair.first, pair.second};
        const double signs[2] = {1.0, -1.0};
        for (int a = 0; a < 2; ++a) {
            if (ends[a] == anchor) continue;
            const auto i = static_cast<std::size_t>(unknown(ends[a]));
            target[i] += signs[a] * weight * difference;
            for (int b = 0; b < 2; ++b) {
                if (ends[b] == anchor) continue;
                normal[i][static_cast<std::size_t>(unknown(ends[b]))] +=
                    signs[a] * signs[b] * weight;
            }
        }
    }
    const Matrix covariance = Inverse(normal);
    if (covariance.size() != size) {
        throw std::invalid_argument("some player has no played match linking it to the anchor");
    }
    std::vector<Estimate> ratings;
    for (int player = 0; player < count; ++player) {
        if (player == anchor) {
            ratings.push_back({anchor_rating, anchor_rating, anchor_rating});
            continue;
        }
        const auto i = static_cast<std::size_t>(unknown(player));
        double offset = 0.0;
        for (std::size_t k = 0; k < size; ++k) offset += covariance[i][k] * target[k];
        const double margin = kConfidenceWidth * std::sqrt(covariance[i][i]);
        const double rating = anchor_rating + offset;
        ratings.push_back({rating, rating - margin, rating + margin});
    }
    return ratings;
}

}  // namespace circumvia::rating
