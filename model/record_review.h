#pragma once
// Stepping through a game under review. While a game is played, the record only lands where
// a human decides (Tjeu::StepBack/StepForward); once the recorded game is over, or while an
// analysis is shown, every recorded move can be looked at, whoever played it.

#include <optional>
#include <vector>

#include "model/analysis/game_analysis.h"
#include "model/tjeu.h"

namespace circumvia {

// The last recorded entry (0 when nothing was played), replayable moves included.
int LastRecordedEntry(const Tjeu& game);

// The recorded game ends in a finished position: a side without pieces, a repetition draw,
// or the null move of a side left without moves.
bool RecordFinished(const Tjeu& game);

// The main line (first moves from the start on) ends in a finished position.
bool MainLineFinished(const Tjeu& game);
// The position on the board ends the main line.
bool AtMainLineEnd(const Tjeu& game);

// Puts the game on entry `index` (clamped to 0..LastRecordedEntry) with the side to move
// after it, and its result as that position has it.
void ReviewGoTo(Tjeu& game, int index);

// The game at the end of its record: on the last recorded entry, or on the null move that
// ended it, with the result there. A game already at its end comes back as it is, so saving
// either gives the same file whatever move was being looked at.
Tjeu GameAtRecordEnd(const Tjeu& game);

// Every entry 0..LastRecordedEntry: where review steps can land.
std::vector<int> ReviewStops(const Tjeu& game);

// Drops the analysis of the first move that is no longer the recorded one, and of every
// move after it.
void TrimAnalysisToRecord(GameAnalysis& analysis, const GameRecord& record);

// A move worth stopping at when looking for errors: a mistake, a blunder or a missed win.
bool IsMistake(const MoveAnalysis& move);

// The entry of the next (forward) or previous mistake from entry `current`, or -1.
int NextMistake(const GameAnalysis& analysis, int current, bool forward);

// The review's judgement of `move` if it were played now, from the game's current position:
// the same search, horizon and repetition counts as the review of the game would give it
// afterwards. Nothing when the move cannot be played.
std::optional<MoveAnalysis> ReviewOfMoveHere(const Tjeu& game, Move move,
                                             int depth = kDefaultAnalysisDepth);

// What the review draws on the board at entry `current` (0 the start, k after move k): before
// a marked move (a mistake, a blunder, a missed win), the better move; after one, the reply
// that punishes it. Null when neither: an unmarked move, or one not analysed.
Move ReviewArrowAt(const GameAnalysis& analysis, int current);

}  // namespace circumvia
