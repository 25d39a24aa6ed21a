#pragma once
// Every line of a game as a tree: the start position at the root, each node a move with the
// board after it. A node's children are the moves tried from its position, in order: the
// first continues the main line, the others are variations. Nodes also hold the player's
// own comment and mark. The tree keeps one line selected, root to a leaf: the line the
// record (Tjeu::History) holds.

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history.h"

namespace circumvia {

inline constexpr int kNoNode = -1;
inline constexpr int kRootNode = 0;

// A mark a player sets on a move; kept apart from the review's computed classes.
enum class MoveMark : std::uint8_t {
    kNone,
    kGood,         // !
    kMistake,      // ?
    kBrilliant,    // !!
    kBlunder,      // ??
    kInteresting,  // !?
    kDubious,      // ?!
};
inline constexpr int kMoveMarkCount = 7;

std::string_view MarkText(MoveMark mark);
std::optional<MoveMark> MarkFromText(std::string_view text);

struct TreeNode {
    HistoryEntry Entry;  // the move and the board after it; the start position at the root
    int Parent = kNoNode;
    int FirstChild = kNoNode;
    int NextSibling = kNoNode;
    MoveMark Mark = MoveMark::kNone;
};

// The same move: mover and cells, whatever the boards say.
bool SameMove(const HistoryEntry& a, const HistoryEntry& b);

class GameTree {
public:
    explicit GameTree(const HistoryEntry& start = HistoryEntry{});

    // Only the root, holding `start`; the line is the root alone.
    void Reset(const HistoryEntry& start);

    const TreeNode& Node(int node) const { return nodes_[static_cast<std::size_t>(node)]; }
    // Nodes in the tree, deleted ones left out.
    int Size() const { return live_; }

    std::vector<int> Children(int node) const;
    // The child playing the same move as `entry`, or kNoNode.
    int ChildWithMove(int parent, const HistoryEntry& entry) const;
    // The child playing `entry`'s move: the one already there, else a new last child.
    int AddChild(int parent, const HistoryEntry& entry);
    // 1 for the main continuation at its branch, 2.. for the variations; with the count of
    // moves at that branch.
    int ChildNumber(int node) const;
    int ChildCount(int parent) const;
    // Moves from the root to `node`.
    int Depth(int node) const;
    bool Contains(int node) const;

    // The selected line: node ids, the root first. Entry k of the record is Line()[k].
    const std::vector<int>& Line() const { return line_; }
    // The move `entry` played at record entry `index` (1 .. Line().size()): an existing child
    // of Line()[index - 1] when it plays that move, else a new variation. The line then runs
    // through that child and on along first children.
    int PlayAt(int index, const HistoryEntry& entry);
    // The line through `node` and on along first children.
    void SelectLine(int node);

    // Makes the line through `node` the main line: first child at every branch above it.
    void Promote(int node);
    // Moves `node` one place up among its siblings.
    void MoveUp(int node);
    // Drops `node` and everything after it (never the root). The selected line, if it ran
    // through `node`, is cut to its parent and goes on along first children.
    void Delete(int node);

    // The node's comment (UTF-8), empty when it has none.
    const std::string& Comment(int node) const;
    void SetComment(int node, std::string comment);
    void SetMark(int node, MoveMark mark);

private:
    TreeNode& At(int node) { return nodes_[static_cast<std::size_t>(node)]; }
    void ExtendLine();
    void Unlink(int node);
    void LinkFirst(int node);

    std::vector<TreeNode> nodes_;  // deleted nodes stay, unlinked, until the next Reset
    std::vector<int> line_;
    // Few nodes carry a comment: kept apart, so a long game costs no string per move.
    std::map<int, std::string> comments_;
    int live_ = 0;
};

// Same moves in the same order, same comments and marks (the boards are not compared).
bool SameTree(const GameTree& a, const GameTree& b);

}  // namespace circumvia
