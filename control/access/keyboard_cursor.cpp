#include "control/access/keyboard_cursor.h"

namespace circumvia::control {

namespace {

struct RowColumn {
    int row;
    int column;
};

// A screen step in the board's own rows and columns, unturned.
RowColumn StepOnBoard(CursorStep step) {
    switch (step) {
        case CursorStep::kUp:
            return {-1, 0};
        case CursorStep::kDown:
            return {1, 0};
        case CursorStep::kLeft:
            return {0, -1};
        case CursorStep::kRight:
            return {0, 1};
    }
    return {0, 0};
}

// Each quarter turn of the board turns what a screen step means on it by a quarter back.
RowColumn TurnBack(RowColumn d, int quarter_turns) {
    for (int i = 0; i < ((quarter_turns % 4) + 4) % 4; ++i) d = {d.column, -d.row};
    return d;
}

}  // namespace

int StepCursor(int cell, CursorStep step, int quarter_turns) {
    const RowColumn d = TurnBack(StepOnBoard(step), quarter_turns);
    const int row = RowOf(cell) + d.row;
    const int column = ColumnOf(cell) + d.column;
    if (row < 1 || row > kBoardSide || column < 1 || column > kBoardSide) return cell;
    return CellAt(row, column);
}

int FirstCursorCell(const Position& position, Side side) {
    for (int i = 0; i < kCellCount; ++i) {
        const int cell = side == kRed ? kCellCount - kBoardSide + 1 + i % kBoardSide -
                                            (i / kBoardSide) * kBoardSide
                                      : i + 1;
        if (position[cell] == side) return cell;
    }
    return CellAt(3, 3);
}

}  // namespace circumvia::control
