#pragma once
// The game sheet: the record of a game as one hands it to someone. A header with both
// players and their kinds, the result and the date; for an analysed game each player's
// summary with the turning points and the winning-chance graph; the legend of the marks and
// rings; then one large diagram per move, titled with the position it shows, with the
// move's from and to cells marked and a capture's path along its circuit, under a numbered
// caption carrying the move's class mark and, after a mistake, the better move; last the
// final position. One font throughout, on A4 portrait pages like the designed record, for
// the same preview, printer and PDF.

#include <QDate>
#include <QStringList>
#include <vector>

#include "dialogs/print/print_document.h"
#include "model/analysis/game_analysis.h"
#include "model/tjeu.h"

namespace circumvia::dialogs {

// The sheet of every recorded move of `game`; `analysis` (possibly empty or covering only
// the first moves) gives the class marks and better moves.
PrintDocument ComposeGameSheet(const Tjeu& game, const GameAnalysis& analysis, const QDate& date);

// The caption of recorded move `number`: "12. Red play E 1->D 1 ??" in English, and for a
// mistake, a blunder or a missed win a second line naming the better move.
QStringList SheetCaption(const Tjeu& game, const GameAnalysis& analysis, int number);

// The date a sheet shows: the day the game's file was last written, today for a game
// never saved.
QDate GameDate(const std::string& file_name);

// What the first page says between the header and the diagrams, in order.
struct SheetBlock {
    enum Kind { kHeading, kText, kGraph };
    Kind kind = kText;
    QString text;  // empty for the graph
};
std::vector<SheetBlock> SheetIntro(const Tjeu& game, const GameAnalysis& analysis);

// The title over diagram `number`: "Before move 12 (Red to play)" for a recorded move, and
// after the last recorded move N, for number N + 1, "Final position, after move N".
QString SheetDiagramTitle(const Tjeu& game, int number);

// The header's lines: the title, the players with their kinds, the result and the date.
QStringList SheetHeader(const Tjeu& game, const QDate& date);

}  // namespace circumvia::dialogs
