#pragma once
// How a move's class is shown: its symbol ("?!", "?", "??"; a missed win is a blunder: "??") and
// its colour, the same in the move list, the graph and the game sheet.

#include <QColor>
#include <QString>

#include "model/analysis/move_class.h"

namespace circumvia::dialogs {

// Empty for the classes shown without a mark (best, good, forced).
QString ClassSymbol(MoveClass move_class);
QColor ClassColour(MoveClass move_class);

}  // namespace circumvia::dialogs
