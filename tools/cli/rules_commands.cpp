// Commands over the rules core: move lists, capture routes and notation.
#include <ostream>

#include "model/movegen.h"
#include "model/notation.h"
#include "tools/cli/arguments.h"

namespace circumvia::cli {

namespace {

void PrintMoves(const Tlcoup& moves, std::ostream& out) {
    for (const Move& move : moves) out << int{move.From} << ' ' << int{move.To} << '\n';
}

int Moves(const Arguments& args, std::ostream& out, std::ostream&) {
    ExpectCount(args, 2, "moves");
    PrintMoves(ListAllMoves(ParsePosition(args[0]), ParseSide(args[1])), out);
    return 0;
}

int Destinations(const Arguments& args, std::ostream& out, std::ostream&) {
    ExpectCount(args, 2, "dest");
    PrintMoves(ListDestinations(ParseCell(args[1]), ParsePosition(args[0])), out);
    return 0;
}

int Path(const Arguments& args, std::ostream& out, std::ostream&) {
    ExpectCount(args, 3, "path");
    const Position position = ParsePosition(args[0]);
    const CapturePathCells path = CapturePath(ParseCell(args[1]), ParseCell(args[2]), position);
    const char* separator = "";
    for (std::uint8_t cell : path) {
        if (cell == 0) break;
        out << separator << int{cell};
        separator = " ";
    }
    out << '\n';
    return 0;
}

int Notation(const Arguments& args, std::ostream& out, std::ostream&) {
    ExpectCount(args, 2, "movetext");
    // Cell 0 is "no cell", as in the model: "7 0" is the cell alone, "0 N" nothing.
    out << MoveText(ParseNumber(args[0], 0, kCellCount, "cell"),
                    ParseNumber(args[1], 0, kCellCount, "cell"))
        << '\n';
    return 0;
}

constexpr Command kCommands[] = {
    {"moves", "POS SIDE", "every legal move of SIDE, in generation order: FROM TO per line", Moves},
    {"dest", "POS CELL", "the moves of the piece on CELL, in generation order", Destinations},
    {"path", "POS FROM TO", "cells a capture passes, up to the victim; empty for a step", Path},
    {"movetext", "FROM TO",
     "the move in notation, e.g. 25 19 gives E 1->D 1; cell 0 is no cell (7 0 gives B 1, 0 N "
     "an empty line)",
     Notation},
};

}  // namespace

std::span<const Command> RulesCommands() {
    return kCommands;
}

}  // namespace circumvia::cli
