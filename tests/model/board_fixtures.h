#pragma once
// Small helpers to write test positions compactly.

#include <initializer_list>
#include <utility>

#include "model/board.h"
#include "model/move.h"
#include "model/movegen.h"

namespace circumvia::testing {

// An otherwise empty board with the given pieces.
inline Position Board(std::initializer_list<std::pair<int, std::uint8_t>> pieces) {
    Position p;
    for (const auto& [cell, value] : pieces) p[cell] = value;
    return p;
}

inline Tlcoup Moves(std::initializer_list<std::pair<int, int>> pairs) {
    Tlcoup moves;
    for (const auto& [from, to] : pairs) {
        moves.push_back({static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)});
    }
    return moves;
}

inline std::vector<int> PathCells(const CapturePathCells& path) {
    std::vector<int> cells;
    for (std::uint8_t c : path) {
        if (c == 0) break;
        cells.push_back(c);
    }
    return cells;
}

}  // namespace circumvia::testing

namespace circumvia {
inline void PrintTo(const Move& move, std::ostream* os) {
    *os << '(' << int{move.From} << ", " << int{move.To} << ')';
}
}  // namespace circumvia
