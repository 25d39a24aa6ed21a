#pragma once
// The game sheet: the record of a game as one hands it to someone. A header with both
// players and their kinds, the result and the date, then one large diagram per move with
// the move's from and to cells marked, under a numbered caption carrying the move's class
// mark and, after a mistake, the better move. One font throughout, on A4 portrait pages
// like the designed record, for the same preview, printer and PDF.

#include <QDate>
#include <QStringList>

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

// The header's lines: the title, the players with their kinds, the result and the date.
QStringList SheetHeader(const Tjeu& game, const QDate& date);

}  // namespace circumvia::dialogs
