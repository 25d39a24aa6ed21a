#pragma once
// The flat diagram of a position: grid, the two circuits with their corner loops, the
// diagonals, the pieces and, on request, the row letters and column digits. Draws on any
// painter (a widget, an image, a recorded picture, a printer) in the painter's own units.

#include "model/board.h"

class QFont;
class QPainter;

namespace circumvia::dialogs {

// Draws `cells` in the square of side `size` whose top-left corner is (left, top). The outer
// loops reach a little beyond that square (4 units on each side at size 140).
//
// Left on the painter afterwards, for callers that go on writing: a black pen of the
// diagram's pen width; a solid white brush, or no brush when coordinates were written; and,
// only when coordinates were written, the bold coordinate font. Without coordinates the
// painter's font is not touched. A size below 1 draws nothing and changes nothing.
void DrawPosition(QPainter& surface, int left, int top, int size, const Position& cells,
                  bool with_coordinates);

// The coordinates' font at `points` (not bold): "Courrier new", or a fixed-pitch font of the
// system where no font of that name is installed.
QFont CoordinateFont(int points);

}  // namespace circumvia::dialogs
