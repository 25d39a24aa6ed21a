#pragma once
// Jumping through the record from the move list: the record only lands where its own back
// and forward steps land (a human to move), so a jump goes to the nearest of those stops.

#include <string>
#include <string_view>
#include <vector>

#include "model/tjeu.h"

namespace circumvia::control {

// The stop nearest to `target` among `stops` (increasing, never empty). Between two stops
// equally near, the one lying the way the user asked (from `current` towards `target`) wins,
// so that a row up or down in the list always moves.
int NearestStop(const std::vector<int>& stops, int current, int target);

// One recorded move as the list shows it.
struct MoveRow {
    int number = 0;         // index in the record
    int mover = 0;          // kRed, kWhite, or 0 for the null move that ended a game
    std::string_view name;  // the mover's player name, inside the game's own record
    std::string notation;   // "E 2->D 2"
};

// The recorded game: moves 1 up to the current one, then the replayable ones after it.
// The starting position is not a row here. The rows name the players without copying
// their names, so they are valid only while the game's names stay as they are.
std::vector<MoveRow> RecordedMoves(const Tjeu& game);

}  // namespace circumvia::control
