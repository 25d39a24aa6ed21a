// Matches between computer levels: the same seed gives the same games on any number of
// threads, with colours alternating.
#include <gtest/gtest.h>

#include <mutex>
#include <vector>

#include "model/rating/match_runner.h"
#include "model/tjeu.h"

namespace circumvia::rating {
namespace {

constexpr int kGames = 12;
constexpr std::uint64_t kSeed = 7;

// The tally assembled game by game: the first level has Red in games 0, 2, 4, ...
MatchTally TallyOfSingleGames(int first, int second) {
    MatchTally tally;
    for (int k = 0; k < kGames; ++k) {
        const bool first_is_red = k % 2 == 0;
        const int result = PlayGame(first_is_red ? first : second, first_is_red ? second : first,
                                    kSeed + k, kMatchMoveLimit);
        const int first_won = first_is_red ? kRedWon : kWhiteWon;
        const int second_won = first_is_red ? kWhiteWon : kRedWon;
        tally += result == first_won    ? MatchTally{1, 0, 0}
                 : result == second_won ? MatchTally{0, 0, 1}
                                        : MatchTally{0, 1, 0};
    }
    return tally;
}

TEST(PlayMatch, OneSeedGivesTheSameGamesOnOneThreadOrTwo) {
    MatchPlan plan{.first_level = 2, .second_level = 1, .games = kGames, .seed = kSeed};
    plan.threads = 1;
    const MatchTally alone = PlayMatch(plan);
    std::vector<int> reported;
    std::mutex reported_mutex;
    plan.threads = 2;
    const MatchTally shared = PlayMatch(plan, [&](int finished, int games) {
        const std::lock_guard lock(reported_mutex);
        EXPECT_EQ(games, kGames);
        reported.push_back(finished);
    });
    EXPECT_EQ(alone, shared);
    EXPECT_EQ(alone, TallyOfSingleGames(2, 1));
    EXPECT_EQ(alone.Games(), kGames);
    ASSERT_EQ(reported.size(), static_cast<std::size_t>(kGames));
    for (int n = 0; n < kGames; ++n) EXPECT_EQ(reported[static_cast<std::size_t>(n)], n + 1);
}

TEST(PlayGame, ASeededGameReplaysAndAMoveLimitEndsItDrawn) {
    EXPECT_EQ(PlayGame(3, 1, kSeed, kMatchMoveLimit), PlayGame(3, 1, kSeed, kMatchMoveLimit));
    EXPECT_EQ(PlayGame(3, 1, kSeed, 2), kDrawn);
}

}  // namespace
}  // namespace circumvia::rating
