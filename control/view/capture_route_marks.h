#pragma once
// Small dots on the cells a capture passes, shown with the destination arrows of the piece
// selected: the arrow tells where a capture lands, the dots the way it goes round the
// circuit there. One dot per cell, made on first use.

#include <array>

#include "model/board.h"
#include "model/move.h"
#include "scene/board/board_scene.h"

namespace circumvia::control {

// Every cell that at least one capture of `moves` passes in `position`, start and captured
// piece left out; a cell once.
std::array<bool, kCellCount + 1> CellsOnCaptureRoutes(const Tlcoup& moves,
                                                      const Position& position);

class CaptureRouteMarks {
public:
    explicit CaptureRouteMarks(scene::TBoardScene& board) : board_(board) {}

    // The dots of `moves`' captures; none when `show` is false.
    void Show(const Tlcoup& moves, const Position& position, bool show);

private:
    void MakeDots();

    scene::TBoardScene& board_;
    std::array<scene::TDisk*, kCellCount + 1> dots_{};  // [cell], [0] unused
};

}  // namespace circumvia::control
