#pragma once
// Matches between two computer levels, the games spread over threads. Each level plays as
// it does against a person: the extra random moves the computer makes when it plays both
// sides are left out, so the ratings measured are the ones a player meets.

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

#include "model/rating/match_statistics.h"

namespace circumvia::endgame {
class EndgameTable;
}

namespace circumvia::rating {

// What the Expert plays with: its endgame table (none: search alone) and its time per move.
struct ExpertSetup {
    std::shared_ptr<const endgame::EndgameTable> table;
    std::chrono::milliseconds time{1000};
};

// A game still going after this many moves is counted as a draw.
inline constexpr int kMatchMoveLimit = 500;

struct MatchPlan {
    int first_level = 1;   // plays Red in the first game, then colours alternate
    int second_level = 1;  // plays White in the first game
    int games = 0;
    // Game k (from 0) is played with the seed seed + k, so a match replays exactly, and a
    // longer one with the same seed begins with the same games.
    std::uint64_t seed = 1;
    int threads = 0;  // 0: one per core
    int move_limit = kMatchMoveLimit;
    ExpertSetup expert{};
};

// The result code (kRedWon, kWhiteWon or kDrawn) of one seeded game between two levels.
int PlayGame(int red_level, int white_level, std::uint64_t seed, int move_limit,
             const ExpertSetup& expert = {});

// Told after each finished game how many are finished; called from the playing threads,
// one call at a time.
using MatchProgress = std::function<void(int finished, int games)>;

// The match seen from the first level's side. The same plan gives the same tally whatever
// the number of threads.
MatchTally PlayMatch(const MatchPlan& plan, const MatchProgress& progress = {});

}  // namespace circumvia::rating
