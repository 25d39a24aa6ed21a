// The move list's layout of a tree of lines: each variation under the move it replaces,
// nested ones inside it, brackets closed where the lines end.
#include "control/record/tree_rows.h"

#include <gtest/gtest.h>

#include <tuple>

namespace circumvia::control {
namespace {

// A move told apart by its cells alone: the layout never looks at the boards.
HistoryEntry Move(int from, int to) {
    HistoryEntry entry;
    entry.Mover = kRed;
    entry.From = static_cast<std::uint8_t>(from);
    entry.To = static_cast<std::uint8_t>(to);
    return entry;
}

// Each row as (node, number, level, opens, closes).
using Row = std::tuple<int, int, int, bool, int>;

std::vector<Row> Laid(const GameTree& tree) {
    std::vector<Row> rows;
    for (const TreeRow& row : TreeRows(tree))
        rows.emplace_back(row.node, row.number, row.level, row.opens, row.closes);
    return rows;
}

TEST(TreeRows, VariationsFollowTheMoveTheyReplaceNestedAndClosed) {
    GameTree tree;
    const int a1 = tree.AddChild(kRootNode, Move(1, 2));
    const int a2 = tree.AddChild(a1, Move(3, 4));
    const int a3 = tree.AddChild(a2, Move(5, 6));
    const int b1 = tree.AddChild(kRootNode, Move(7, 8));  // instead of a1
    const int b2 = tree.AddChild(b1, Move(9, 10));
    const int c2 = tree.AddChild(b1, Move(11, 12));  // instead of b2, inside b1's line
    const int d2 = tree.AddChild(a1, Move(13, 14));  // instead of a2
    const int d3 = tree.AddChild(d2, Move(15, 16));
    const int e2 = tree.AddChild(a1, Move(17, 18));  // a second one instead of a2
    // (1, 2) ((7, 8) (9, 10) ((11, 12))) (3, 4) ((13, 14) (15, 16)) ((17, 18)) (5, 6)
    EXPECT_EQ(Laid(tree), (std::vector<Row>{{a1, 1, 0, false, 0},
                                            {b1, 1, 1, true, 0},
                                            {b2, 2, 1, false, 0},
                                            {c2, 2, 2, true, 2},  // its ")" and its line's
                                            {a2, 2, 0, false, 0},
                                            {d2, 2, 1, true, 0},
                                            {d3, 3, 1, false, 1},
                                            {e2, 2, 1, true, 1},
                                            {a3, 3, 0, false, 0}}));
}

TEST(TreeRows, AVeryDeepNestingIsLaidWithoutRecursion) {
    // Each variation holds the next one: as deep as a hostile file may make it.
    constexpr int kDepth = 200000;
    GameTree tree;
    int parent = kRootNode;
    for (int k = 0; k < kDepth; ++k) {
        tree.AddChild(parent, Move(1, 2));
        parent = tree.AddChild(parent, Move(3, 4));
    }
    const std::vector<TreeRow> rows = TreeRows(tree);
    ASSERT_EQ(rows.size(), static_cast<std::size_t>(2 * kDepth));
    EXPECT_EQ(rows.back().level, kDepth);
    EXPECT_EQ(rows.back().closes, kDepth);
}

}  // namespace
}  // namespace circumvia::control
