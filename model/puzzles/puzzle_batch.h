#pragma once
// Puzzles made and checked in bulk on every core: computer games of mixed levels played
// and every position of them tried, or a whole file re-proven. Both block their caller;
// `progress` runs on the calling thread about twice a second and once at the end, and
// `cancel` stops the workers within a position.

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "model/puzzles/puzzle.h"
#include "model/puzzles/puzzle_proof.h"

namespace circumvia {

struct GenerationFigures {
    int games_done = 0;
    int games = 0;
    std::int64_t positions = 0;  // distinct positions tried
    int candidates = 0;          // positions where a move gains
    int rejected = 0;            // candidates whose gain is not the only one by the margin
    int puzzles = 0;
    double seconds = 0;
};

struct GenerationPlan {
    int games = 100;
    int first_seed = 1;
    int threads = 0;  // 0: one per core
    ProofSettings settings;
    std::function<void(const GenerationFigures&)> progress;  // may be empty
    const std::atomic<bool>* cancel = nullptr;               // may be null
};

struct Generation {
    std::vector<Puzzle> puzzles;  // in the order of their games and moves
    GenerationFigures figures;
};

// Game g (0-based) has Red at level 1 + g % 5 and White at 1 + (g / 5) % 5, seeded with
// first_seed + g.
Generation GeneratePuzzles(const GenerationPlan& plan);

// Why each puzzle fails its proof, empty where it holds; `progress(done, total)`.
std::vector<std::string> CheckPuzzles(const std::vector<Puzzle>& puzzles,
                                      const ProofSettings& settings, int threads,
                                      const std::function<void(int, int)>& progress);

}  // namespace circumvia
