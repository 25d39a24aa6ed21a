// The game's moves are handed out one at a time to the workers (positions differ a lot in
// cost, so a fixed split would leave a worker idle), and each result lands in its own slot.
#include "model/analysis/game_analysis.h"

#include <algorithm>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "model/analysis/analysis_search.h"
#include "model/analysis/reply_line.h"

namespace circumvia {

namespace {

int WorkerCount(int asked, int positions) {
    const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    return std::clamp(asked > 0 ? asked : cores, 1, std::max(positions, 1));
}

// The shared state of one ExtendAnalysis: which move is next, how many are done, and how
// many workers are still running, for the calling thread to wait on.
struct Shared {
    std::atomic<int> next{0};
    std::atomic<int> done{0};
    std::mutex mutex;
    std::condition_variable finished;
    int running = 0;
};

void Work(const GameRecord& record, int first, const AnalysisRun& run,
          std::vector<std::optional<MoveAnalysis>>& results, Shared& shared) {
    const auto search = std::make_unique<AnalysisSearch>();
    const int total = static_cast<int>(results.size());
    for (int i = shared.next++; i < total; i = shared.next++) {
        if (run.cancel && run.cancel->load()) break;
        const auto entry = static_cast<std::size_t>(first + i);
        const int depth =
            run.same_parity ? HorizonDepth(run.depth, record[entry].Mover) : run.depth;
        std::optional<MoveAnalysis>& result = results[static_cast<std::size_t>(i)];
        result = AnalysePosition(*search, record, first + i, depth, run.thresholds, run.cancel,
                                 run.table.get());
        if (!result) break;
        const MoveClass shown = result->move_class;
        if (shown == MoveClass::kMistake || shown == MoveClass::kBlunder ||
            shown == MoveClass::kMissedWin) {
            result->reply_line = PunishingLine(record, first + i, depth);
        }
        if ((shown == MoveClass::kInaccuracy || shown == MoveClass::kMistake ||
             shown == MoveClass::kBlunder || shown == MoveClass::kMissedWin) &&
            result->best != result->played) {
            result->better_line = BetterLine(record, first + i, result->best, depth);
        }
        ++shared.done;
    }
    const std::lock_guard lock(shared.mutex);
    --shared.running;
    shared.finished.notify_all();
}

}  // namespace

void GameAnalysis::TruncateFrom(int number) {
    const auto keep = static_cast<std::size_t>(std::max(number - 1, 0));
    if (moves.size() > keep) moves.resize(keep);
}

bool ExtendAnalysis(const GameRecord& record, GameAnalysis& analysis, const AnalysisRun& run) {
    // Step 1. What is left to analyse.
    const int recorded = RecordedMoveCount(record);
    if (analysis.depth != run.depth) {
        analysis.moves.clear();
        analysis.depth = run.depth;
    }
    analysis.TruncateFrom(recorded + 1);
    const int first = static_cast<int>(analysis.moves.size()) + 1;
    const int total = recorded - first + 1;
    std::vector<std::optional<MoveAnalysis>> results(static_cast<std::size_t>(total));

    // Step 2. The workers, and the calling thread reporting progress until they end.
    Shared shared;
    const int workers = total > 0 ? WorkerCount(run.threads, total) : 0;
    shared.running = workers;
    std::vector<std::thread> threads;
    threads.reserve(static_cast<std::size_t>(workers));
    for (int w = 0; w < workers; ++w) {
        threads.emplace_back(Work, std::cref(record), first, std::cref(run), std::ref(results),
                             std::ref(shared));
    }
    {
        std::unique_lock lock(shared.mutex);
        while (!shared.finished.wait_for(lock, kProgressInterval,
                                         [&] { return shared.running == 0; })) {
            lock.unlock();
            if (run.progress) run.progress(shared.done.load(), total);
            lock.lock();
        }
    }
    for (std::thread& thread : threads) thread.join();

    // Step 3. The unbroken run of results.
    for (const std::optional<MoveAnalysis>& result : results) {
        if (!result) break;
        analysis.moves.push_back(*result);
    }
    MarkTurningPoints(analysis, run.thresholds);
    const bool completed = static_cast<int>(analysis.moves.size()) == recorded;
    if (completed && run.progress) run.progress(total, total);
    return completed;
}

GameAnalysis AnalyseGame(const GameRecord& record, const AnalysisRun& run, bool* completed) {
    GameAnalysis analysis;
    analysis.depth = run.depth;
    const bool done = ExtendAnalysis(record, analysis, run);
    if (completed) *completed = done;
    return analysis;
}

void MarkTurningPoints(GameAnalysis& analysis, const ClassThresholds& thresholds) {
    for (MoveAnalysis& move : analysis.moves) move.turning_point = false;
    for (const Side side : {kRed, kWhite}) {
        std::vector<MoveAnalysis*> candidates;
        for (MoveAnalysis& move : analysis.moves) {
            if (move.mover == side &&
                ChanceLoss(move.chance_before, move.chance_after) >= thresholds.mistake) {
                candidates.push_back(&move);
            }
        }
        std::stable_sort(
            candidates.begin(), candidates.end(), [](const MoveAnalysis* a, const MoveAnalysis* b) {
                return a->chance_before - a->chance_after > b->chance_before - b->chance_after;
            });
        const auto marked = std::min<std::size_t>(candidates.size(), kTurningPointsPerPlayer);
        for (std::size_t i = 0; i < marked; ++i) candidates[i]->turning_point = true;
    }
}

std::array<PlayerSummary, 3> Summarise(const GameAnalysis& analysis,
                                       const ClassThresholds& thresholds) {
    std::array<PlayerSummary, 3> summaries{};
    std::array<std::int64_t, 3> losses{};
    for (const MoveAnalysis& move : analysis.moves) {
        if (move.mover != kRed && move.mover != kWhite) continue;
        const auto side = static_cast<std::size_t>(move.mover);
        PlayerSummary& summary = summaries[side];
        ++summary.moves;
        losses[side] += move.loss;
        summary.missed_wins += move.missed_win;
        switch (ChangeClassOf(move, thresholds)) {
            case MoveClass::kInaccuracy:
                ++summary.inaccuracies;
                break;
            case MoveClass::kMistake:
                ++summary.mistakes;
                break;
            case MoveClass::kBlunder:
                ++summary.blunders;
                break;
            default:
                break;
        }
    }
    for (const Side side : {kRed, kWhite}) {
        PlayerSummary& summary = summaries[static_cast<std::size_t>(side)];
        if (summary.moves > 0) {
            summary.average_loss =
                static_cast<double>(losses[static_cast<std::size_t>(side)]) / summary.moves;
        }
    }
    return summaries;
}

}  // namespace circumvia
