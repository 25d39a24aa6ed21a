#pragma once
// A Position as 36 characters, cell 1 first: 'R' Red, 'B' White, '_' empty.

#include <optional>
#include <string>
#include <string_view>

#include "board.h"

namespace circumvia {

std::string PositionText(const Position& position);

// Lenient reading, as game files are read: 'R' and 'B' are pieces, any other character
// (and any missing one past the end of a short text) is an empty cell.
Position PositionFromText(std::string_view text);

// Strict reading for user input: exactly 36 characters of 'R', 'B' and '_'.
std::optional<Position> ParsePositionText(std::string_view text);

}  // namespace circumvia
