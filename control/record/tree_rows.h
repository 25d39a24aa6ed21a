#pragma once
// The move list's rows of a tree of lines, as analysis programs lay them out: the main line
// in order, and each variation right under the main move it is an alternative to, indented
// one level deeper and bracketed, its own variations nested the same way, before the line
// it left goes on. Plain C++: the list turns the rows into text.

#include <vector>

#include "model/game_tree.h"

namespace circumvia::control {

struct TreeRow {
    int node = kRootNode;
    int number = 0;      // moves from the start: the record's index on the node's line
    int level = 0;       // 0 the main line, 1 a variation, 2 a variation inside one, ...
    bool opens = false;  // the first move of a variation: "(" before it
    int closes = 0;      // variations ending with this row: as many ")" after it
};

// Every move of the tree once, the start position left out. Walked with a stack, not
// recursion, so a tree read from a file may be as deep as it likes.
std::vector<TreeRow> TreeRows(const GameTree& tree);

}  // namespace circumvia::control
