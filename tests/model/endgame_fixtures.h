#pragma once
// A small endgame table, built once per test program, and positions of a given material.

#include <bit>
#include <random>

#include "model/endgame/endgame_builder.h"
#include "model/endgame/endgame_table.h"
#include "tests/model/game_file_fixtures.h"

namespace circumvia::testing {

inline constexpr int kSmallTablePieces = 4;

// A table of up to four pieces: built in a second, and as deep as the suite needs.
inline const endgame::EndgameTable& SmallTable() {
    static const ScratchFolder folder;
    static const endgame::EndgameTable table = [] {
        endgame::BuildOptions options;
        options.folder = folder.path();
        options.pieces = kSmallTablePieces;
        endgame::BuildEndgameTable(options);
        return endgame::EndgameTable(folder.path());
    }();
    return table;
}

// A uniformly drawn position with `red` Red and `white` White pieces.
inline Position RandomPosition(std::mt19937& random, int red, int white) {
    Position position;
    std::uniform_int_distribution<int> cell(1, kCellCount);
    for (int placed = 0; placed < red + white;) {
        const int c = cell(random);
        if (position[c] != kEmpty) continue;
        position[c] = placed < red ? kRed : kWhite;
        ++placed;
    }
    return position;
}

}  // namespace circumvia::testing
