#pragma once
// What a cell says to a screen reader, in the current language: its name in the game's
// notation, its content and its state ("E 2, Red piece, selected").

#include <string>

#include "model/board.h"

namespace circumvia::control {

struct CellState {
    bool selected = false;     // the piece chosen to move
    bool destination = false;  // where the chosen piece may go
};

std::string CellDescription(const Position& position, int cell, CellState state);

}  // namespace circumvia::control
