#pragma once
// Why a move was bad: the line that punishes it. After the move played, the opponent's best
// reply, the mover's best answer and the opponent's next move, each found by the review's
// own search with the horizon where the move's analysis had it, so the line is the one its
// value came from.

#include <vector>

#include "model/history.h"
#include "model/move.h"

namespace circumvia {

// The moves after move `number` of `record` (1..RecordedMoveCount), `plies` at most, the
// opponent's first; fewer when the game ends on the way. `depth` is the depth the move
// itself was analysed to (HorizonDepth): each following move is searched one level less.
std::vector<Move> PunishingLine(const GameRecord& record, int number, int depth, int plies = 3);

}  // namespace circumvia
