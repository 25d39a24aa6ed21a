#pragma once
// The fixed positions of `circumvia-cli bench` and of the search benchmarks: openings,
// middlegames and endgames (at most three pieces a side) taken from seeded random games.
// Changing the list changes the bench's signature.

#include <span>
#include <string_view>

#include "model/board.h"

namespace circumvia::cli {

struct BenchPosition {
    std::string_view text;  // position text, cell 1 first
    Side side;              // the side to move
    std::string_view kind;  // "opening", "middlegame" or "endgame"
};

std::span<const BenchPosition> BenchPositions();

}  // namespace circumvia::cli
