#pragma once
// Caption of the move counter between the back and forward buttons: empty at the start,
// "12" at the end of the record, "5/12" when five of twelve recorded moves are on the board.

#include <string>

#include "model/tjeu.h"

namespace circumvia::control {

// Number of the last recorded move: one before the first entry from Current on whose
// mover is neither side (or the record's length if there is none).
int LastRecordedMove(const Tjeu& game);

std::string MoveCounterCaption(const Tjeu& game);

}  // namespace circumvia::control
