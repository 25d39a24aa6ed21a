#pragma once
// How a move's class is shown: its symbol ("?!", "?", "??", and "#?" for a missed win, its
// own mark and colour) and its colour, the same in the move list, the graph and the game
// sheet, each with the legend (review_text.h).

#include <QColor>
#include <QString>

#include "model/analysis/move_class.h"

namespace circumvia::dialogs {

// Empty for the classes shown without a mark (best, good, forced).
QString ClassSymbol(MoveClass move_class);
QColor ClassColour(MoveClass move_class);

}  // namespace circumvia::dialogs
