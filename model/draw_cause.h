#pragma once
// Why a drawn game ended drawn, for the announcement, the move list and the game sheet: the
// rules' repetition (Tjeu::EndTest), or a side left without a move (the null move recorded
// by a computer player that found none).

#include "model/tjeu.h"

namespace circumvia {

enum class DrawCause {
    kNone,        // the game is not drawn, or the record does not say why
    kRepetition,  // a position came back the fifth time
    kNoMove,      // `Side` had no move
};

struct DrawReason {
    DrawCause cause = DrawCause::kNone;
    Side without_move = 0;  // for kNoMove
};

// Read from the record, wherever the game stands in it: for a game known to be drawn.
DrawReason ReasonOfDraw(const Tjeu& game);

}  // namespace circumvia
