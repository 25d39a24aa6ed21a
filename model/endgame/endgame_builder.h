#pragma once
// Builds the endgame table by retrograde analysis, material by material from the fewest
// pieces up. Within a pair of materials (a against b, and b against a) only steps lead
// from one position to another, and a step can be taken back; captures lead into smaller
// materials, already known. So every position is first valued from its captures, and then
// results spread backwards one move at a time through the steps: a position one of whose
// moves leads to a loss of the opponent in d moves wins in d + 1 unless it wins sooner; a
// position all of whose moves lead to wins of the opponent loses in the longest of them
// plus one. What never resolves is a draw. Each finished material is written at once, so
// a build interrupted goes on from the last material written.

#include <atomic>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "model/endgame/table_file.h"

namespace circumvia::endgame {

inline constexpr int kDefaultTablePieces = 6;

struct BuildOptions {
    std::filesystem::path folder;
    int pieces = kDefaultTablePieces;
    int threads = 0;  // 0: every core
    // Called from the building thread with the material under way and how far it is (0..1).
    std::function<void(Material, double)> progress;
    const std::atomic<bool>* cancel = nullptr;
};

struct MaterialReport {
    Material material;
    ResultCounts counts;
    Slot slots = 0;
    bool reused = false;  // already on disk from an earlier build
    double seconds = 0;
};

struct BuildReport {
    std::vector<MaterialReport> materials;
    bool cancelled = false;
    std::string error;  // empty when every file was written
};

BuildReport BuildEndgameTable(const BuildOptions& options);

// Every material of a table of `pieces`, each side at least one piece, fewest pieces first.
std::vector<Material> MaterialsUpTo(int pieces);

}  // namespace circumvia::endgame
