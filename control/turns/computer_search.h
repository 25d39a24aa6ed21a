#pragma once
// The computer's search for the side to move, run on a copy of the game off the
// user-interface thread, so that the window answers (menus, New, Open, closing) while the
// computer thinks. Destroying it stops a search still running and waits for its thread,
// which then takes a moment at most: a search whose game was replaced or closed is given
// up, never applied.

#include <QFuture>
#include <atomic>

#include "model/tjeu.h"

namespace circumvia::control {

class ComputerSearch {
public:
    explicit ComputerSearch(const Tjeu& game);
    ~ComputerSearch();
    ComputerSearch(const ComputerSearch&) = delete;
    ComputerSearch& operator=(const ComputerSearch&) = delete;

    bool Finished() const { return !future_.isValid() || future_.isFinished(); }
    // Blocks until the search has ended (tests that deliver ticks by hand).
    void Wait() {
        if (future_.isValid()) future_.waitForFinished();
    }
    // Once Finished: the move. What the search leaves in the game model (its depth, the
    // level's random numbers, whether two computers play) is carried over into `game`.
    Move TakeMove(Tjeu& game);

    struct Outcome {
        Move move;
        Tjeu searched;
    };

private:
    std::atomic<bool> stop_{false};
    QFuture<Outcome> future_;
};

}  // namespace circumvia::control
