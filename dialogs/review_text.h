#pragma once
// The review's numbers as a player reads them, in the current language, the same in the
// move list, the graph and the game sheet: values in pieces ("+1.2", "−0,4"), forced ends
// ("wins in 3"), the rules' draw, winning chances ("42%"), and the legend of the marks.

#include <QString>
#include <QStringList>
#include <array>
#include <string>

#include "model/analysis/game_analysis.h"
#include "model/analysis/position_analysis.h"
#include "model/tjeu.h"

namespace circumvia::dialogs {

// A value in pieces with one decimal and its sign, the decimal comma outside English.
std::string PiecesText(int value);

// A value as the review shows it: the end it forces ("wins in 3", "loses in 2"), the rules'
// draw by repetition, or pieces.
std::string ReviewValueText(int value, int moves_to_end, bool drawn);

// A winning chance (0..1) in whole percent.
std::string PercentText(double chance);

// The best move's (`played` false) or the played move's value with the mover's chance after
// it: "−2.1, 18%", the endgame table's verdict added where it judged the move.
std::string MoveValueText(const MoveAnalysis& move, bool played);

// The move played with its class's mark: "D 5->C 5 ?".
std::string MarkedMoveText(const MoveAnalysis& move);

// Why the move was bad, from the position after it: "After D 5->C 5: Lucie takes C 5 with
// A 4->C 5, Red plays D 3->C 2, ..." with the players' names by side; empty without a line.
std::string PunishingLineText(const MoveAnalysis& move, const Position& after,
                              const std::array<std::string, 3>& names);

// One move of a punishing line played by `side` from `position`: "Lucie takes C 5 with
// A 4->C 5" for a capture, "Red plays D 3->C 2" otherwise.
std::string LineMoveText(Move move, const Position& position, Side side,
                         const std::array<std::string, 3>& names);

// The review's summary, a line for each player with the errors counted, each followed by
// that player's turning points when there are any ("Turning points: 5. D 5->C 5 ? 52% →
// 18%, ..."), Red's first; `names` by side. Empty without an analysed move.
QStringList ReviewSummaryLines(const GameAnalysis& analysis,
                               const std::array<std::string, 3>& names);

// The end of a drawn game with its reason: the rules' repetition, a side without a move, or
// plainly "Draw." when the record does not tell.
std::string DrawText(const Tjeu& game);

// The marks and the unit of the values: "?! inaccuracy  ? mistake  ...  values in pieces".
QString ReviewLegend();

}  // namespace circumvia::dialogs
