#pragma once
// Walking and editing the tree of lines under a game's record. The walk finds the moves a
// player reaches by the variation keys; the edits (promote, delete, comment, mark) keep a
// copy of the tree from before each change, so that every change can be undone.

#include <string>
#include <vector>

#include "tjeu.h"

namespace circumvia {

// The first move of the variation holding `node`: itself or its nearest ancestor that is not
// its parent's first move. kNoNode on the main line.
int VariationStart(const GameTree& tree, int node);

// The move the variation keys step from, standing on `node` with `next` the record's next
// move (kNoNode at its end): `node` itself when it has alternatives; else, when `node` is a
// branch point, `next`; else the nearest ancestor with alternatives. kNoNode when none.
int VariationKeyNode(const GameTree& tree, int node, int next);

// The alternative `step` places after (negative: before) `node` among its parent's moves;
// kNoNode past either end.
int SiblingMove(const GameTree& tree, int node, int step);

// Changes to the tree that can be undone, the latest first.
class TreeEdits {
public:
    // Each returns whether the tree changed; the record and the board then stand on the same
    // node as before, or on the branch point when that node was deleted.
    bool Promote(Tjeu& game, int node);
    // Deletes the variation holding `node`, from its first move.
    bool DeleteVariation(Tjeu& game, int node);
    // Deletes every move after `node`.
    bool DeleteAfter(Tjeu& game, int node);
    bool SetComment(Tjeu& game, int node, std::string comment);
    bool SetMark(Tjeu& game, int node, MoveMark mark);

    // The last change can be undone: the tree is still as it left it.
    bool CanUndo(const Tjeu& game) const;
    // Puts the tree back as it was before the last change, standing where the game stood
    // then; false when nothing could be undone.
    bool Undo(Tjeu& game);

private:
    struct Change {
        GameTree before;
        GameTree after;
        int node = kRootNode;  // where the game stood before
    };
    void Keep(const Tjeu& game, GameTree before, int node);

    std::vector<Change> changes_;  // the oldest first
};

}  // namespace circumvia
