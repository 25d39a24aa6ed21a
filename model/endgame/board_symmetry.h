#pragma once
// The eight turns and mirrorings of the square board, and those of them the circuits keep:
// a symmetry kept maps every legal move of a position onto a legal move of its image, so
// the endgame table stores one position for all its images.

#include <array>
#include <cstdint>
#include <vector>

#include "model/board.h"

namespace circumvia::endgame {

using CellMask = std::uint64_t;  // bit n - 1 for cell n

inline constexpr int kBoardSymmetries = 8;

// Where each cell goes (index 0 unused).
using CellMap = std::array<std::uint8_t, kCellCount + 1>;

// The eight maps, the identity first.
const std::array<CellMap, kBoardSymmetries>& BoardSymmetries();

// The maps that send each circuit, its straight lines and its corner arcs, onto itself.
const std::vector<CellMap>& KeptSymmetries();

CellMask MapCells(const CellMap& map, CellMask cells);

}  // namespace circumvia::endgame
