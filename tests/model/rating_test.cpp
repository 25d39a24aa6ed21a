// The rating arithmetic: a match's rating difference and interval, the fit of one rating
// per player, the rated-game update and the choice of the level nearest a rating.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

#include "model/rating/elo_update.h"
#include "model/rating/ladder_fit.h"
#include "model/rating/level_ratings.h"
#include "model/rating/match_statistics.h"
#include "model/tjeu.h"

namespace circumvia::rating {
namespace {

// Worked by hand: 600 wins, 100 draws, 300 losses score 65 %; one game's points spread
// with variance 0.2025, so the score's 95 % interval is 65 % +- 2.789 %.
TEST(RatingDifference, AKnownMatchGivesItsDifferenceAndAsymmetricInterval) {
    const Estimate difference = RatingDifference({600, 100, 300});
    EXPECT_NEAR(difference.value, 107.54, 0.01);
    EXPECT_NEAR(difference.low, 86.60, 0.01);
    EXPECT_NEAR(difference.high, 129.26, 0.01);
    const Estimate reversed = RatingDifference(MatchTally{600, 100, 300}.Reversed());
    EXPECT_NEAR(reversed.value, -107.54, 0.01);
    EXPECT_NEAR(reversed.low, -129.26, 0.01);
}

TEST(RatingDifference, AMatchOfOneResultStillHasAnInterval) {
    const Estimate sweep = RatingDifference({10, 0, 0});
    EXPECT_TRUE(std::isinf(sweep.value) && sweep.value > 0);
    EXPECT_TRUE(std::isfinite(sweep.low));
    EXPECT_GT(sweep.low, 0.0);
    const Estimate all_drawn = RatingDifference({0, 10, 0});
    EXPECT_LT(all_drawn.low, 0.0);
    EXPECT_GT(all_drawn.high, 0.0);
}

// 1000 wins in 1100 games is a score of 10/11: ten-to-one odds, 400 points exactly.
constexpr MatchTally kTenToOne = {1000, 0, 100};

TEST(FitRatings, ConsistentMatchesAreReproducedExactly) {
    const std::vector<PairResult> pairs = {
        {1, 0, kTenToOne}, {2, 1, kTenToOne}, {2, 0, {1000, 0, 10}}};  // 100 to 1: 800
    const std::vector<Estimate> ratings = FitRatings(pairs, 3, 0, 1000.0);
    ASSERT_EQ(ratings.size(), 3u);
    EXPECT_DOUBLE_EQ(ratings[0].value, 1000.0);
    EXPECT_DOUBLE_EQ(ratings[0].low, 1000.0);
    EXPECT_NEAR(ratings[1].value, 1400.0, 1e-6);
    EXPECT_NEAR(ratings[2].value, 1800.0, 1e-6);
}

// Three equally precise matches each saying "400 better" around a triangle cannot all be
// right: least squares gives the steps 2/3 and 4/3 of 400, and the third match shrinks
// each variance to 2/3 of one match's alone (331.96, worked by hand from 10/11).
TEST(FitRatings, ContradictingMatchesMeetInTheWeightedMiddle) {
    const std::vector<PairResult> alone = {{1, 0, kTenToOne}};
    const Estimate single = FitRatings(alone, 2, 0, 1000.0)[1];
    EXPECT_NEAR(single.value, 1400.0, 1e-6);
    EXPECT_NEAR(single.high - single.value, 35.71, 0.01);
    const std::vector<PairResult> triangle = {
        {1, 0, kTenToOne}, {2, 1, kTenToOne}, {2, 0, kTenToOne}};
    const std::vector<Estimate> ratings = FitRatings(triangle, 3, 0, 1000.0);
    EXPECT_NEAR(ratings[1].value, 1000.0 + 800.0 / 3, 1e-6);
    EXPECT_NEAR(ratings[2].value, 1000.0 + 1600.0 / 3, 1e-6);
    EXPECT_NEAR(ratings[2].value - ratings[2].low, 29.16, 0.01);
}

TEST(FitRatings, TheAnchorMayBeAnyPlayerAndPairsReadFromEitherSide) {
    const std::vector<PairResult> pairs = {{0, 1, kTenToOne.Reversed()}, {2, 1, kTenToOne}};
    const std::vector<Estimate> ratings = FitRatings(pairs, 3, 1, 1500.0);
    EXPECT_NEAR(ratings[0].value, 1100.0, 1e-6);
    EXPECT_DOUBLE_EQ(ratings[1].value, 1500.0);
    EXPECT_NEAR(ratings[2].value, 1900.0, 1e-6);
}

TEST(FitRatings, RefusesPlayersNoMatchTiesToTheAnchor) {
    const std::vector<PairResult> unlinked = {{1, 0, kTenToOne}, {3, 2, kTenToOne}};
    EXPECT_THROW(FitRatings(unlinked, 4, 0, 1000.0), std::invalid_argument);
    const std::vector<PairResult> unplayed = {{1, 0, kTenToOne}, {2, 1, {}}};
    EXPECT_THROW(FitRatings(unplayed, 3, 0, 1000.0), std::invalid_argument);
    const std::vector<PairResult> outside = {{1, 3, kTenToOne}};
    EXPECT_THROW(FitRatings(outside, 3, 0, 1000.0), std::invalid_argument);
}

// The expected score against someone 200 points stronger is 1 / (1 + 10^0.5) = 0.2403.
TEST(UpdatedRating, StepsAreLargerDuringTheFirstTwentyGames) {
    struct Case {
        double rating, opponent, points;
        int games_before;
        double expected;
    };
    const Case cases[] = {
        {1000, 1200, kWinPoints, 0, 1030.39},   {1000, 1200, kWinPoints, 19, 1030.39},
        {1000, 1200, kWinPoints, 20, 1015.19},  {1000, 1200, kLossPoints, 20, 995.19},
        {1500, 1200, kLossPoints, 40, 1483.02}, {1300, 1300, kDrawPoints, 5, 1300.0},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(UpdatedRating(c.rating, c.opponent, c.points, c.games_before), c.expected, 0.01)
            << c.rating << " against " << c.opponent << " after " << c.games_before;
    }
}

TEST(NearestLevel, EachLevelsRatingChoosesItAndTheEndsCoverEverythingBeyond) {
    for (int level = 1; level <= kMaxLevel; ++level) {
        EXPECT_EQ(NearestLevel(LevelRating(level)), level);
    }
    EXPECT_EQ(NearestLevel(LevelRating(1) - 500.0), 1);
    EXPECT_EQ(NearestLevel(LevelRating(kMaxLevel) + 500.0), kMaxLevel);
    EXPECT_THROW(LevelRating(0), std::out_of_range);
    EXPECT_THROW(LevelRating(kMaxLevel + 1), std::out_of_range);
}

}  // namespace
}  // namespace circumvia::rating
