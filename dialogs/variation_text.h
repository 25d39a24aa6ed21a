#pragma once
// Where a move stands among the alternatives at its branch, as the status bar shows it and
// the screen reader says it: "Variation 2 of 3: E 3->D 3", "Main line, 1 of 3: E 1->D 1"; and
// the moves that leave a branch point.

#include <string>

#include "model/game_tree.h"

namespace circumvia::dialogs {

// Empty when `node` is the only move played from its position (or the start).
std::string VariationPlaceText(const GameTree& tree, int node);

// "Branch point: E 1->D 1, E 3->D 3", the main move first; empty when fewer than two moves
// were played from `node`.
std::string BranchText(const GameTree& tree, int node);

}  // namespace circumvia::dialogs
