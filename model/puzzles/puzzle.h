#pragma once
// A tactical puzzle: a position, the side to find the move, and the line the solver must
// play (solver's moves at even places, the defender's replies between them), with a
// difficulty rating that starts from the proof's figures and then learns from attempts.
//
// A puzzle file holds one puzzle a line, fields separated by tabs:
//   POSITION  SIDE  LINE  RATING  ATTEMPTS
// POSITION is the 36-character board text (position_text.h), SIDE 1 (Red) or 2 (White),
// LINE the moves joined by commas, each written "E1-D1"; lines starting with '#' are
// comments.

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/board.h"
#include "model/move.h"

namespace circumvia {

struct Puzzle {
    Position position;
    Side side = kRed;
    std::vector<Move> line;  // never empty; ends on a solver's move
    int rating = 1500;
    int attempts = 0;

    // The solver's moves in the line.
    int SolverMoves() const { return static_cast<int>(line.size() + 1) / 2; }
    bool operator==(const Puzzle&) const = default;
};

std::string PuzzleText(const Puzzle& puzzle);
// Nullopt for a line that is not a puzzle (a wrong field, an illegal move of the line).
std::optional<Puzzle> ParsePuzzleText(std::string_view text);

struct PuzzleFile {
    std::vector<Puzzle> puzzles;
    std::vector<int> bad_lines;  // 1-based numbers of lines that could not be read
};
PuzzleFile ReadPuzzles(std::istream& in);
void WritePuzzles(const std::vector<Puzzle>& puzzles, std::ostream& out);

// The written form of a move in a puzzle line: "E1-D1".
std::string CompactMoveText(Move move);

}  // namespace circumvia
