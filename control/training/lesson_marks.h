#pragma once
// What a lesson points at on the board: a gold ring on each cell it names, and a marker
// that runs along a capture's path, cell by cell, to show how a capture travels.

#include <QTimer>
#include <functional>
#include <vector>

#include "model/board.h"
#include "model/move.h"
#include "scene/board/board_scene.h"

namespace circumvia::control {

class LessonMarks {
public:
    // `redraw` is called whenever the marks change.
    LessonMarks(scene::TBoardScene& board, std::function<void()> redraw);

    // Rings these cells (up to kMarkedCells), hiding the others.
    void MarkCells(const std::vector<int>& cells);
    // Runs the marker from `move`'s start along its capture path in `position`, then hides
    // it.
    void RunAlongPath(Move move, const Position& position);
    void Clear();
    bool Running() const { return timer_.isActive(); }

    static constexpr int kMarkedCells = 6;

private:
    void Step();

    scene::TBoardScene& board_;
    std::function<void()> redraw_;
    std::vector<scene::TDisk*> rings_;
    scene::TDisk* runner_ = nullptr;
    std::vector<int> path_;
    std::size_t next_ = 0;
    QTimer timer_;
};

}  // namespace circumvia::control
