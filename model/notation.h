#pragma once
// Written form of moves: a cell is its row letter, a blank and its column digit
// ("E 1"); a move joins two cells with "->" ("E 1->D 1").

#include <string>

namespace circumvia {

std::string CellText(int cell);

// Empty when from is 0 or less; only the start cell when to is 0 or less.
std::string MoveText(int from, int to);

}  // namespace circumvia
