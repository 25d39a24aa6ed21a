#include "game_tree.h"

#include <algorithm>
#include <array>
#include <utility>

namespace circumvia {

namespace {

// The parent of a deleted node, so that a node id kept elsewhere can be checked.
constexpr int kDeleted = -2;

constexpr std::array<std::string_view, kMoveMarkCount> kMarkTexts = {"",   "!",  "?", "!!",
                                                                     "??", "!?", "?!"};

}  // namespace

std::string_view MarkText(MoveMark mark) {
    return kMarkTexts[static_cast<std::size_t>(mark)];
}

std::optional<MoveMark> MarkFromText(std::string_view text) {
    for (std::size_t k = 1; k < kMarkTexts.size(); ++k) {
        if (kMarkTexts[k] == text) return static_cast<MoveMark>(k);
    }
    return std::nullopt;
}

bool SameMove(const HistoryEntry& a, const HistoryEntry& b) {
    return a.Mover == b.Mover && a.From == b.From && a.To == b.To;
}

GameTree::GameTree(const HistoryEntry& start) {
    Reset(start);
}

void GameTree::Reset(const HistoryEntry& start) {
    nodes_.assign(1, TreeNode{});
    nodes_[0].Entry = start;
    line_.assign(1, kRootNode);
    comments_.clear();
    live_ = 1;
}

std::vector<int> GameTree::Children(int node) const {
    std::vector<int> children;
    for (int child = Node(node).FirstChild; child != kNoNode; child = Node(child).NextSibling) {
        children.push_back(child);
    }
    return children;
}

int GameTree::ChildWithMove(int parent, const HistoryEntry& entry) const {
    for (int child = Node(parent).FirstChild; child != kNoNode; child = Node(child).NextSibling) {
        if (SameMove(Node(child).Entry, entry)) return child;
    }
    return kNoNode;
}

int GameTree::AddChild(int parent, const HistoryEntry& entry) {
    const int existing = ChildWithMove(parent, entry);
    if (existing != kNoNode) return existing;
    const int node = static_cast<int>(nodes_.size());
    TreeNode added;
    added.Entry = entry;
    added.Parent = parent;
    nodes_.push_back(std::move(added));
    ++live_;
    int* link = &At(parent).FirstChild;
    while (*link != kNoNode) link = &At(*link).NextSibling;
    *link = node;
    return node;
}

int GameTree::ChildNumber(int node) const {
    const int parent = Node(node).Parent;
    if (parent < 0) return 1;
    int number = 1;
    for (int child = Node(parent).FirstChild; child != node; child = Node(child).NextSibling) {
        ++number;
    }
    return number;
}

int GameTree::ChildCount(int parent) const {
    int count = 0;
    for (int child = Node(parent).FirstChild; child != kNoNode; child = Node(child).NextSibling) {
        ++count;
    }
    return count;
}

int GameTree::Depth(int node) const {
    int depth = 0;
    for (int at = node; Node(at).Parent >= 0; at = Node(at).Parent) ++depth;
    return depth;
}

bool GameTree::Contains(int node) const {
    if (node < 0 || static_cast<std::size_t>(node) >= nodes_.size()) return false;
    return node == kRootNode || Node(node).Parent != kDeleted;
}

int GameTree::PlayAt(int index, const HistoryEntry& entry) {
    const auto at = static_cast<std::size_t>(index);
    if (index < 1 || at > line_.size()) return kNoNode;
    const int node = AddChild(line_[at - 1], entry);
    if (at < line_.size() && line_[at] == node) return node;  // the line already goes there
    line_.resize(at);
    line_.push_back(node);
    ExtendLine();
    return node;
}

void GameTree::SelectLine(int node) {
    if (!Contains(node)) return;
    line_.clear();
    for (int at = node; at != kNoNode; at = Node(at).Parent) line_.push_back(at);
    std::reverse(line_.begin(), line_.end());
    ExtendLine();
}

void GameTree::ExtendLine() {
    for (int next = Node(line_.back()).FirstChild; next != kNoNode; next = Node(next).FirstChild) {
        line_.push_back(next);
    }
}

void GameTree::Unlink(int node) {
    int* link = &At(Node(node).Parent).FirstChild;
    while (*link != node) link = &At(*link).NextSibling;
    *link = Node(node).NextSibling;
    At(node).NextSibling = kNoNode;
}

void GameTree::LinkFirst(int node) {
    TreeNode& parent = At(Node(node).Parent);
    At(node).NextSibling = parent.FirstChild;
    parent.FirstChild = node;
}

void GameTree::Promote(int node) {
    if (!Contains(node)) return;
    for (int at = node; Node(at).Parent >= 0; at = Node(at).Parent) {
        if (Node(Node(at).Parent).FirstChild == at) continue;
        Unlink(at);
        LinkFirst(at);
    }
}

void GameTree::MoveUp(int node) {
    if (!Contains(node) || node == kRootNode) return;
    const int parent = Node(node).Parent;
    int before = kNoNode;
    for (int child = Node(parent).FirstChild; child != node; child = Node(child).NextSibling) {
        before = child;
    }
    if (before == kNoNode) return;
    Unlink(node);
    if (Node(parent).FirstChild == before) {
        LinkFirst(node);
        return;
    }
    int* link = &At(parent).FirstChild;
    while (*link != before) link = &At(*link).NextSibling;
    At(node).NextSibling = before;
    *link = node;
}

void GameTree::Delete(int node) {
    if (!Contains(node) || node == kRootNode) return;
    const int parent = Node(node).Parent;
    const bool on_line = std::find(line_.begin(), line_.end(), node) != line_.end();
    Unlink(node);
    // A stack, not recursion: a tree read from a file may be deep.
    std::vector<int> pending{node};
    while (!pending.empty()) {
        const int at = pending.back();
        pending.pop_back();
        for (int child = Node(at).FirstChild; child != kNoNode; child = Node(child).NextSibling) {
            pending.push_back(child);
        }
        At(at).Parent = kDeleted;
        comments_.erase(at);
        --live_;
    }
    if (on_line) SelectLine(parent);
}

const std::string& GameTree::Comment(int node) const {
    static const std::string kNone;
    const auto found = comments_.find(node);
    return found == comments_.end() ? kNone : found->second;
}

void GameTree::SetComment(int node, std::string comment) {
    if (!Contains(node)) return;
    if (comment.empty()) {
        comments_.erase(node);
    } else {
        comments_[node] = std::move(comment);
    }
}

void GameTree::SetMark(int node, MoveMark mark) {
    if (Contains(node)) At(node).Mark = mark;
}

bool SameTree(const GameTree& a, const GameTree& b) {
    if (a.Size() != b.Size()) return false;
    std::vector<std::pair<int, int>> pending{{kRootNode, kRootNode}};
    while (!pending.empty()) {
        const auto [x, y] = pending.back();
        pending.pop_back();
        const TreeNode& p = a.Node(x);
        const TreeNode& q = b.Node(y);
        if (!SameMove(p.Entry, q.Entry) || p.Mark != q.Mark || a.Comment(x) != b.Comment(y)) {
            return false;
        }
        int u = p.FirstChild;
        int v = q.FirstChild;
        for (; u != kNoNode && v != kNoNode; u = a.Node(u).NextSibling, v = b.Node(v).NextSibling) {
            pending.emplace_back(u, v);
        }
        if (u != kNoNode || v != kNoNode) return false;
    }
    return true;
}

}  // namespace circumvia
