// The record as the selected line of the tree: standing on any node, dropping a line, and
// building the tree from a record read from a file.
#include <algorithm>
#include <utility>

#include "tjeu.h"

namespace circumvia {

namespace {

// A null move (a side left without moves) is kept with the board, unlike a cleared entry.
bool HoldsMove(const HistoryEntry& entry) {
    return entry.IsRecorded() || entry.Cells.Count(kRed) + entry.Cells.Count(kWhite) > 0;
}

}  // namespace

int Tjeu::CurrentNode() const {
    const std::vector<int>& line = Tree.Line();
    return line[static_cast<std::size_t>(
        std::clamp(Current, 0, static_cast<int>(line.size()) - 1))];
}

void Tjeu::WriteLineFrom(int first) {
    const std::vector<int>& line = Tree.Line();
    while (History.size() <= line.size()) History.Grow();
    for (std::size_t k = static_cast<std::size_t>(std::max(first, 1)); k < line.size(); ++k) {
        History.Set(k, Tree.Node(line[k]).Entry);
    }
    History.ClearAfter(line.size() - 1);
}

Side Tjeu::SideAfter(int index) const {
    const std::vector<int>& line = Tree.Line();
    // Back to the last real move; every null move after it passed the turn once more.
    int passes = 0;
    for (int k = index; k >= 1; --k) {
        const HistoryEntry& entry = Tree.Node(line[static_cast<std::size_t>(k)]).Entry;
        if (entry.IsRecorded()) return passes % 2 == 0 ? Opponent(entry.Mover) : entry.Mover;
        ++passes;
    }
    if (line.size() > 1 && Tree.Node(line[1]).Entry.IsRecorded()) {
        const Side first = Tree.Node(line[1]).Entry.Mover;
        return passes % 2 == 0 ? first : Opponent(first);
    }
    return SideToMove;
}

void Tjeu::GoToNode(int node) {
    if (!Tree.Contains(node)) return;
    Tree.SelectLine(node);
    WriteLineFrom(1);
    Current = Tree.Depth(node);
    const HistoryEntry& entry = History[static_cast<std::size_t>(Current)];
    Pos = entry.Cells;
    SideToMove = SideAfter(Current);
    EndTest();
    if (Current > 0 && !entry.IsRecorded()) Result = kDrawn;  // the null move ends the game
}

void Tjeu::DeleteNode(int node) {
    if (!Tree.Contains(node) || node == kRootNode) return;
    const int current = CurrentNode();
    const int parent = Tree.Node(node).Parent;
    Tree.Delete(node);
    GoToNode(Tree.Contains(current) ? current : parent);
}

void Tjeu::AdoptRecord() {
    Tree.Reset(History[0]);
    for (std::size_t k = 1; k < History.size() && HoldsMove(History[k]); ++k) {
        Tree.PlayAt(static_cast<int>(k), History[k]);
        if (!History[k].IsRecorded()) break;
    }
}

void Tjeu::AdoptTree(GameTree tree) {
    Tree = std::move(tree);
    History.Reset();
    History.Set(0, Tree.Node(kRootNode).Entry);
    Tree.SelectLine(kRootNode);
    GoToNode(Tree.Line().back());
}

}  // namespace circumvia
