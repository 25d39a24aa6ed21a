#pragma once
// What the tree of lines asks of the window (VariationEditor): the game, going to a node as
// the move list does, showing a change to the tree, and telling the player.

#include <QString>

#include "model/tjeu.h"

class QWidget;

namespace circumvia::control {

class VariationHost {
public:
    virtual ~VariationHost() = default;

    virtual Tjeu& TreeGame() = 0;
    // The tree may be walked and changed now: the window is ready and no rated game is on.
    virtual bool TreeOpen() const = 0;
    // Goes to `node`: the record becomes the line through it, and the board shows it; while
    // a game is played against the computer, after the computer's recorded reply.
    virtual void StandOnNode(int node) = 0;
    // The tree changed under the record: the game is unsaved and shown again; when the
    // position on the board changed too, the board follows it.
    virtual void TreeChanged(bool board_moved) = 0;
    // In the status bar and read aloud.
    virtual void SayVariation(const QString& text) = 0;
    // The parent of the comment dialog.
    virtual QWidget* TreeWindow() = 0;
};

}  // namespace circumvia::control
