#pragma once
// Marks the program adds to the board scene for playing by keys: the keyboard cursor's
// ring, and the coordinates beside the grid (row letters on the left, column digits along
// the far edge, which the perspective view never cuts off), drawn as small labelled tiles so that
// they read with and without the wood textures.

#include <array>

#include "model/board.h"
#include "scene/board/board_scene.h"

namespace circumvia::control {

class BoardMarks {
public:
    // Adds the ring and the twelve labels to the board, all hidden.
    explicit BoardMarks(scene::TBoardScene& board);

    // The ring around `cell`, or hidden for 0.
    void ShowCursor(int cell);
    int CursorCell() const { return cursor_cell_; }
    void ShowCoordinates(bool show);
    bool CoordinatesShown() const { return coordinates_shown_; }

private:
    scene::TBoardScene& board_;
    scene::TDisk* ring_ = nullptr;
    scene::TDisk* ring_edge_ = nullptr;
    std::array<scene::TPlane*, 2 * kBoardSide> labels_{};
    int cursor_cell_ = 0;
    bool coordinates_shown_ = false;
};

}  // namespace circumvia::control
