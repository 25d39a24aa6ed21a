#pragma once
// The keyboard cursor: a cell of the board the arrow keys walk over, where Return acts as
// a click would. Plain logic: the window shows it and decides what a key means.

#include "model/board.h"

namespace circumvia::control {

enum class CursorStep { kUp, kDown, kLeft, kRight };

// The cell one step from `cell` as seen on the screen, the board turned by `quarter_turns`
// quarter turns (the toolbar's turn, 0..3); a step off the board stays on `cell`. Unturned,
// row A is at the top and column 1 on the left.
int StepCursor(int cell, CursorStep step, int quarter_turns);

// Where the cursor first appears: the first piece of `side` met from the side's own edge
// (Red from row F, White from row A), or the centre of the board when it has none.
int FirstCursorCell(const Position& position, Side side);

}  // namespace circumvia::control
