#pragma once
// Moves from positions the endgame table holds are judged by the table: perfect play, not a
// search's horizon, says whether a move keeps the result. A move that turns a win into a draw
// or a loss, or a draw into a loss, is a blunder whatever the search thought of it.

#include <optional>

#include "model/analysis/move_class.h"
#include "model/board.h"
#include "model/endgame/endgame_value.h"
#include "model/move.h"

namespace circumvia {

namespace endgame {
class EndgameTable;
}

// Both values for the side that moved: the position's under perfect play, and the move's.
struct ExactJudgement {
    endgame::EndgameValue best;
    endgame::EndgameValue played;
    bool operator==(const ExactJudgement&) const = default;
};

// Nothing when the table does not hold the position or a position the move leads to.
std::optional<ExactJudgement> JudgeByTable(const endgame::EndgameTable& table,
                                           const Position& before, Side mover, Move played);

// A lost result: a blunder. The result kept: forced when it was the only move, a missed win
// when it left the last piece standing, best at the best distance, good when slower (a win
// taken later, a loss met sooner).
MoveClass ExactClass(const ExactJudgement& judgement, bool forced, bool missed_win);

}  // namespace circumvia
