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

// The best move and the moves after it in the better line, at most.
inline constexpr int kBetterLinePlies = 6;

// What move `number` of `record` should have been and what follows: `best` (the move the
// analysis preferred) from the position before the move, then each side's best answer in
// turn, searched one level less at each move from `depth` (the move's own horizon), as the
// best move's value saw the line. At most `plies` moves, fewer when the game ends on the way;
// empty when `best` cannot be played there.
std::vector<Move> BetterLine(const GameRecord& record, int number, Move best, int depth,
                             int plies = kBetterLinePlies);

}  // namespace circumvia
