#pragma once
// Written form of moves: a cell is its row letter, a blank and its column digit
// ("E 1"); a move joins two cells with "->" ("E 1->D 1").

#include <optional>
#include <string>
#include <string_view>

#include "model/move.h"

namespace circumvia {

std::string CellText(int cell);

// Empty when from is 0 or less; only the start cell when to is 0 or less.
std::string MoveText(int from, int to);

// Reads a move typed by a player: the written form and the shorter ones people type
// ("e1d1", "E1-D1", "e1 d1", "E 1 > D 1"): letters in either case, blanks anywhere, and
// between the cells any of blanks, "-", ">", "->". Nullopt for anything else. The move is
// only well formed, not necessarily legal.
std::optional<Move> ParseMoveText(std::string_view text);

}  // namespace circumvia
