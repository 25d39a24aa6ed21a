#include "control/record/tree_rows.h"

#include <algorithm>

namespace circumvia::control {

std::vector<TreeRow> TreeRows(const GameTree& tree) {
    // A pending line from `node` on, or (node kNoNode) the end of the variation last opened.
    struct Pending {
        int node = kNoNode;
        int number = 0;
        int level = 0;
        bool opens = false;
    };
    std::vector<TreeRow> rows;
    rows.reserve(static_cast<std::size_t>(tree.Size()));
    std::vector<Pending> pending;
    if (const int first = tree.Node(kRootNode).FirstChild; first != kNoNode)
        pending.push_back({first, 1, 0, false});
    while (!pending.empty()) {
        const Pending at = pending.back();
        pending.pop_back();
        if (at.node == kNoNode) {
            ++rows.back().closes;
            continue;
        }
        rows.push_back({at.node, at.number, at.level, at.opens, 0});
        // Last pushed, first laid: the alternatives to this move, then the line going on.
        const TreeNode& node = tree.Node(at.node);
        if (node.FirstChild != kNoNode) {
            pending.push_back({node.FirstChild, at.number + 1, at.level, false});
        } else if (at.level > 0) {
            pending.push_back({});
        }
        if (tree.Node(node.Parent).FirstChild != at.node) continue;
        const std::size_t alternatives = pending.size();
        for (int other = node.NextSibling; other != kNoNode; other = tree.Node(other).NextSibling)
            pending.push_back({other, at.number, at.level + 1, true});
        std::reverse(pending.begin() + static_cast<std::ptrdiff_t>(alternatives), pending.end());
    }
    return rows;
}

}  // namespace circumvia::control
