#pragma once
// The endgame explorer's model: for a position the table holds, its value and every legal
// move with its own, best first; and the practice of an ending from a position, the player
// taking the won or the lost side against the Expert, which plays from the table (the
// longest defence against a win, the shortest win against a defence).

#include <optional>
#include <vector>

#include "model/board.h"
#include "model/endgame/endgame_table.h"

namespace circumvia {

class Tjeu;

namespace endgame {

struct Exploration {
    EndgameValue value;            // for the side to move
    std::vector<MoveValue> moves;  // every legal move, the player's preference first
};

// Nothing when the table does not hold the position or a position one move away.
std::optional<Exploration> Explore(const EndgameTable& table, const Position& position, Side side);

// The side the player takes to practise the win (`won_side`) or the defence from a position
// worth `value` to `to_move`; nothing for a draw.
std::optional<Side> PracticeSide(EndgameValue value, Side to_move, bool won_side);

// Makes `game` a new game from its position on the board, `learner` to play by hand
// against the Expert; the players' names are kept.
void SetUpPractice(Tjeu& game, Side learner);

}  // namespace endgame
}  // namespace circumvia
