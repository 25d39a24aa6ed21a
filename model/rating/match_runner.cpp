#include "model/rating/match_runner.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

#include "model/tjeu.h"

namespace circumvia::rating {

namespace {

int ThreadCount(const MatchPlan& plan) {
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return std::clamp(plan.threads > 0 ? plan.threads : cores, 1, std::max(plan.games, 1));
}

// Game k seen from the first level's side: it has Red in even games.
MatchTally GameTally(const MatchPlan& plan, int k) {
    const bool first_is_red = k % 2 == 0;
    const int red = first_is_red ? plan.first_level : plan.second_level;
    const int white = first_is_red ? plan.second_level : plan.first_level;
    const int result = PlayGame(red, white, plan.seed + static_cast<std::uint64_t>(k),
                                plan.move_limit, plan.expert);
    if (result != kRedWon && result != kWhiteWon) return {0, 1, 0};
    const bool first_won = (result == kRedWon) == first_is_red;
    return first_won ? MatchTally{1, 0, 0} : MatchTally{0, 0, 1};
}

}  // namespace

int PlayGame(int red_level, int white_level, std::uint64_t seed, int move_limit,
             const ExpertSetup& expert) {
    Tjeu game;
    game.Random.Seed(seed);
    game.Endgame = expert.table;
    game.ExpertTime = expert.time;
    const int levels[3] = {kHuman, red_level, white_level};
    while (game.Result == kInProgress && game.Current < move_limit) {
        const Side side = game.SideToMove;
        // The opponent seen as a person, so the mover plays its level as against one.
        game.Players[side].Kind = levels[side];
        game.Players[Opponent(side)].Kind = kHuman;
        const Move move = game.ComputerMove(game.Pos, side);
        game.ApplyMove(game.Pos, move.From, move.To);
    }
    return game.Result == kInProgress ? kDrawn : game.Result;
}

MatchTally PlayMatch(const MatchPlan& plan, const MatchProgress& progress) {
    std::atomic<int> next{0};
    std::mutex finished_mutex;
    int finished = 0;
    MatchTally total;
    const auto work = [&] {
        for (int k = next++; k < plan.games; k = next++) {
            const MatchTally tally = GameTally(plan, k);
            const std::lock_guard lock(finished_mutex);
            total += tally;
            ++finished;
            if (progress) progress(finished, plan.games);
        }
    };
    std::vector<std::jthread> threads;
    for (int t = 1; t < ThreadCount(plan); ++t) threads.emplace_back(work);
    work();
    threads.clear();
    return total;
}

}  // namespace circumvia::rating
