#include "tree_edits.h"

#include <utility>

namespace circumvia {

namespace {

// Copies of the tree kept for undoing: a few changes, and fewer of a very long game.
constexpr std::size_t kMaxChanges = 20;
constexpr int kMaxKeptNodes = 2'000'000;

bool HasAlternatives(const GameTree& tree, int node) {
    const int parent = tree.Node(node).Parent;
    return parent >= 0 && tree.ChildCount(parent) > 1;
}

}  // namespace

int VariationStart(const GameTree& tree, int node) {
    for (int at = node; at != kRootNode && tree.Contains(at); at = tree.Node(at).Parent) {
        if (tree.Node(tree.Node(at).Parent).FirstChild != at) return at;
    }
    return kNoNode;
}

int VariationKeyNode(const GameTree& tree, int node, int next) {
    if (!tree.Contains(node)) return kNoNode;
    if (HasAlternatives(tree, node)) return node;
    if (tree.ChildCount(node) > 1) return tree.Contains(next) ? next : tree.Node(node).FirstChild;
    for (int at = node; at != kRootNode; at = tree.Node(at).Parent) {
        if (HasAlternatives(tree, at)) return at;
    }
    return kNoNode;
}

int SiblingMove(const GameTree& tree, int node, int step) {
    if (!tree.Contains(node) || node == kRootNode) return kNoNode;
    const std::vector<int> moves = tree.Children(tree.Node(node).Parent);
    const int at = tree.ChildNumber(node) - 1 + step;
    return at >= 0 && at < static_cast<int>(moves.size()) ? moves[static_cast<std::size_t>(at)]
                                                          : kNoNode;
}

void TreeEdits::Keep(const Tjeu& game, GameTree before, int node) {
    changes_.push_back({std::move(before), game.Tree, node});
    int kept = 0;
    for (const Change& change : changes_) kept += change.before.Size() + change.after.Size();
    while (changes_.size() > 1 && (changes_.size() > kMaxChanges || kept > kMaxKeptNodes)) {
        kept -= changes_.front().before.Size() + changes_.front().after.Size();
        changes_.erase(changes_.begin());
    }
}

bool TreeEdits::Promote(Tjeu& game, int node) {
    if (VariationStart(game.Tree, node) == kNoNode) return false;
    GameTree before = game.Tree;
    game.Tree.Promote(node);
    Keep(game, std::move(before), game.CurrentNode());
    return true;
}

bool TreeEdits::DeleteVariation(Tjeu& game, int node) {
    const int start = VariationStart(game.Tree, node);
    if (start == kNoNode) return false;
    GameTree before = game.Tree;
    const int standing = game.CurrentNode();
    game.DeleteNode(start);
    Keep(game, std::move(before), standing);
    return true;
}

bool TreeEdits::DeleteAfter(Tjeu& game, int node) {
    if (!game.Tree.Contains(node) || game.Tree.Node(node).FirstChild == kNoNode) return false;
    GameTree before = game.Tree;
    const int standing = game.CurrentNode();
    for (const int child : game.Tree.Children(node)) game.DeleteNode(child);
    Keep(game, std::move(before), standing);
    return true;
}

bool TreeEdits::SetComment(Tjeu& game, int node, std::string comment) {
    if (!game.Tree.Contains(node) || game.Tree.Comment(node) == comment) return false;
    GameTree before = game.Tree;
    game.Tree.SetComment(node, std::move(comment));
    Keep(game, std::move(before), game.CurrentNode());
    return true;
}

bool TreeEdits::SetMark(Tjeu& game, int node, MoveMark mark) {
    if (!game.Tree.Contains(node) || node == kRootNode || game.Tree.Node(node).Mark == mark)
        return false;
    GameTree before = game.Tree;
    game.Tree.SetMark(node, mark);
    Keep(game, std::move(before), game.CurrentNode());
    return true;
}

bool TreeEdits::CanUndo(const Tjeu& game) const {
    return !changes_.empty() && SameTree(changes_.back().after, game.Tree);
}

bool TreeEdits::Undo(Tjeu& game) {
    if (!CanUndo(game)) {
        changes_.clear();  // the game moved on since: what they undid is gone
        return false;
    }
    Change change = std::move(changes_.back());
    changes_.pop_back();
    game.Tree = std::move(change.before);
    game.GoToNode(change.node);
    return true;
}

}  // namespace circumvia
