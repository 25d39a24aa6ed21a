#pragma once
// The review of a whole game: every recorded move analysed (position_analysis.h), the
// positions spread over worker threads, with progress and cancel.
//
// Contract of ExtendAnalysis and AnalyseGame:
// - It blocks its caller until the work is done or cancelled, and every worker thread it
//   started has ended before it returns: no thread outlives the call.
// - `progress(done, total)` runs on the calling thread, never on a worker: at least every
//   kProgressInterval while the work goes on, and once more at the end when the work was
//   completed. `done` counts the moves analysed by this call, `total` those it was asked for.
// - `cancel` may be set from any thread; the workers stop within a few milliseconds, and
//   the call says so (false, or *completed false). The analysis then holds the moves it
//   already had and the longest unbroken run of moves analysed after them.
// - The record is only read; pass a copy when the game may change meanwhile.
// - Memory stays flat: one search engine per worker, whatever the game's length.

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "model/analysis/move_class.h"
#include "model/analysis/position_analysis.h"
#include "model/board.h"
#include "model/history.h"

namespace circumvia {

inline constexpr std::chrono::milliseconds kProgressInterval{100};

struct GameAnalysis {
    int depth = kDefaultAnalysisDepth;
    std::vector<MoveAnalysis> moves;  // moves[i].number == i + 1

    // Drops the analysis of move `number` and every later one (the record changed there).
    void TruncateFrom(int number);
};

struct AnalysisRun {
    int depth = kDefaultAnalysisDepth;
    int threads = 0;  // 0: one per core
    // Each move searched to HorizonDepth(depth, mover), so consecutive values share their
    // horizon's side; false: every move to `depth` (the review before, for comparison).
    bool same_parity = true;
    ClassThresholds thresholds = DefaultThresholds();
    std::function<void(int done, int total)> progress;  // may be empty
    const std::atomic<bool>* cancel = nullptr;          // may be null
    // Moves from positions it holds are judged by it (position_analysis.h); may be null.
    std::shared_ptr<const endgame::EndgameTable> table;
};

// Brings `analysis` up to the record: analyses the recorded moves after those it holds
// (all of them when its depth differs from the run's); moves it holds past the record's
// end are dropped. The moves it holds are taken as still those of the record: when the
// record changes at move n, TruncateFrom(n) first. Returns false when cancelled.
bool ExtendAnalysis(const GameRecord& record, GameAnalysis& analysis, const AnalysisRun& run);

// A fresh analysis of every recorded move.
GameAnalysis AnalyseGame(const GameRecord& record, const AnalysisRun& run,
                         bool* completed = nullptr);

// At most this many turning points per player.
inline constexpr int kTurningPointsPerPlayer = 3;

// Marks each player's turning points: of the moves that lost at least a mistake's worth of
// winning chance, the kTurningPointsPerPlayer that lost the most (the earlier among equals).
void MarkTurningPoints(GameAnalysis& analysis,
                       const ClassThresholds& thresholds = DefaultThresholds());

// One player's moves in an analysis.
struct PlayerSummary {
    int moves = 0;
    int inaccuracies = 0;
    int mistakes = 0;
    int blunders = 0;
    int missed_wins = 0;
    double average_loss = 0;  // per move
};

// Indexed by side: [kRed], [kWhite]; [0] unused. Inaccuracies, mistakes and blunders
// count the moves of that class by what they changed (ChangeClassOf), forced and
// missed-win moves included.
std::array<PlayerSummary, 3> Summarise(const GameAnalysis& analysis,
                                       const ClassThresholds& thresholds = DefaultThresholds());

}  // namespace circumvia
