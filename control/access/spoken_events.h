#pragma once
// What a screen reader is told, unasked, of each event of the game: short sentences in the
// current language, which name the side by its colour and the cells as the board names them.

#include <string>

#include "model/board.h"

namespace circumvia::control {

// No side: nobody is to be named as the next to move.
inline constexpr Side kNobody = 0;

// A move of `mover` from `from` to `to`; a capture names the cell of the piece taken.
// `next` is the side that moves after it (kNobody when nobody should be named: the game is over or
// a computer answers, which then says its own move).
std::string SpokenMove(Side mover, int from, int to, bool capture, Side next);

// The side to move, as said when a game begins.
std::string SpokenTurn(Side side);

// A piece chosen to move, or the choice dropped (`cell` 0).
std::string SpokenSelection(int cell);

// The status bar's line for a capture: the player's name, the move, the cell taken.
std::string CaptureShown(const std::string& player, int from, int to);

}  // namespace circumvia::control
