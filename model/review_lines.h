#pragma once
// The review and the tree of lines: the review analyses the main line, whatever line is on
// the board, and opens the better line of a marked move as a variation beside it.

#include "model/analysis/game_analysis.h"
#include "model/tjeu.h"

namespace circumvia {

// The main line as a record: the root, then first children to the end.
GameRecord MainLineRecord(const GameTree& tree);

// Entries of the game's record that lie on the main line (0 the start): the whole record on
// the main line, else the branch point of the line's first variation.
int MainLineShare(const Tjeu& game);

// The move offers a better line: an inaccuracy, a mistake, a blunder or a missed win whose
// analysis keeps one.
bool OffersBetterLine(const MoveAnalysis& move);

// The main line's move on the board (move Current), when the analysis of the main line
// offers its better line there; else null.
const MoveAnalysis* BetterLineAt(const GameAnalysis& main_line, const Tjeu& game);

// Adds the better line of main-line move `move` as a variation of that move (the moves
// already there are kept and reused, the main line stays first) and stands on its first
// move. Returns that move's node, or kNoNode when the main line no longer plays the move
// analysed there; then nothing changes.
int InsertBetterLine(Tjeu& game, const MoveAnalysis& move);

}  // namespace circumvia
