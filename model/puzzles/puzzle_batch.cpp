#include "model/puzzles/puzzle_batch.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <mutex>
#include <set>
#include <thread>

#include "model/position_text.h"
#include "model/tjeu.h"

namespace circumvia {

namespace {

constexpr int kLongestGame = 300;
constexpr std::chrono::milliseconds kReportInterval{500};
constexpr std::chrono::milliseconds kPollInterval{20};

int ThreadCount(int asked) {
    if (asked > 0) return asked;
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()));
}

Tjeu PlayGame(int game_index, int first_seed) {
    Tjeu game;
    game.Players[kRed].Kind = 1 + game_index % kDesignedLevels;
    game.Players[kWhite].Kind = 1 + (game_index / kDesignedLevels) % kDesignedLevels;
    game.Random.Seed(static_cast<std::uint64_t>(first_seed + game_index));
    while (game.Result == kInProgress && game.Current < kLongestGame) {
        const Move move = game.ComputerMove(game.Pos, game.SideToMove);
        game.ApplyMove(game.Pos, move.From, move.To);
    }
    return game;
}

// Runs `work` on `threads` threads while the caller reports every interval until
// `finished()` holds.
void RunWorkers(int threads, const std::function<void()>& work,
                const std::function<bool()>& finished, const std::function<void()>& report) {
    std::vector<std::jthread> workers;
    for (int t = 0; t < threads; ++t) workers.emplace_back(work);
    auto last_report = std::chrono::steady_clock::now();
    while (!finished()) {
        std::this_thread::sleep_for(kPollInterval);
        if (std::chrono::steady_clock::now() - last_report < kReportInterval) continue;
        last_report = std::chrono::steady_clock::now();
        if (report) report();
    }
}

class GenerationState {
public:
    explicit GenerationState(const GenerationPlan& plan) : plan_(plan) {
        figures_.games = plan.games;
    }

    void Work() {
        PuzzleProver prover(plan_.settings);
        prover.StopWhen(plan_.cancel);
        for (int g = next_game_++; g < plan_.games && !Cancelled(); g = next_game_++) {
            const Tjeu game = PlayGame(g, plan_.first_seed);
            for (int k = 0; k < game.Current && !Cancelled(); ++k) {
                TryPosition(prover, game.History[k].Cells, game.History[k + 1].Mover, g, k);
            }
            std::lock_guard lock(mutex_);
            ++figures_.games_done;
        }
        std::lock_guard lock(mutex_);
        ++workers_done_;
    }

    bool Finished(int threads) {
        std::lock_guard lock(mutex_);
        return workers_done_ == threads;
    }

    GenerationFigures Figures() {
        std::lock_guard lock(mutex_);
        GenerationFigures figures = figures_;
        figures.seconds = std::chrono::duration<double>(Clock::now() - start_).count();
        return figures;
    }

    Generation Result() {
        Generation result;
        result.figures = Figures();
        for (auto& [place, puzzle] : found_) result.puzzles.push_back(puzzle);
        return result;
    }

private:
    using Clock = std::chrono::steady_clock;

    bool Cancelled() const { return plan_.cancel && plan_.cancel->load(); }

    bool FirstTime(const Position& position, Side side) {
        std::lock_guard lock(mutex_);
        if (!tried_.insert(PositionText(position) + static_cast<char>('0' + side)).second) {
            return false;
        }
        ++figures_.positions;
        return true;
    }

    void TryPosition(PuzzleProver& prover, const Position& position, Side side, int game,
                     int entry) {
        if ((side != kRed && side != kWhite) || !FirstTime(position, side)) return;
        if (!prover.Gains(position, side)) return;
        const std::optional<Puzzle> puzzle = prover.FindPuzzle(position, side);
        if (Cancelled()) return;
        std::lock_guard lock(mutex_);
        ++figures_.candidates;
        if (!puzzle) {
            ++figures_.rejected;
            return;
        }
        ++figures_.puzzles;
        found_.emplace(std::pair{game, entry}, *puzzle);
    }

    const GenerationPlan& plan_;
    const Clock::time_point start_ = Clock::now();
    std::atomic<int> next_game_{0};
    std::mutex mutex_;
    GenerationFigures figures_;
    int workers_done_ = 0;
    std::set<std::string> tried_;
    std::map<std::pair<int, int>, Puzzle> found_;
};

}  // namespace

Generation GeneratePuzzles(const GenerationPlan& plan) {
    GenerationState state(plan);
    const int threads = ThreadCount(plan.threads);
    RunWorkers(
        threads, [&] { state.Work(); }, [&] { return state.Finished(threads); },
        [&] {
            if (plan.progress) plan.progress(state.Figures());
        });
    Generation result = state.Result();
    if (plan.progress) plan.progress(result.figures);
    return result;
}

std::vector<std::string> CheckPuzzles(const std::vector<Puzzle>& puzzles,
                                      const ProofSettings& settings, int threads,
                                      const std::function<void(int, int)>& progress) {
    std::vector<std::string> reasons(puzzles.size());
    std::atomic<std::size_t> next{0};
    std::atomic<int> done{0};
    std::atomic<int> workers_done{0};
    const int count = ThreadCount(threads);
    const int total = static_cast<int>(puzzles.size());
    RunWorkers(
        count,
        [&] {
            PuzzleProver prover(settings);
            for (std::size_t i = next++; i < puzzles.size(); i = next++) {
                reasons[i] = prover.Check(puzzles[i]);
                ++done;
            }
            ++workers_done;
        },
        [&] { return workers_done == count; },
        [&] {
            if (progress) progress(done, total);
        });
    if (progress) progress(done, total);
    return reasons;
}

}  // namespace circumvia
