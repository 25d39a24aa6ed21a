#include "model/puzzles/puzzle.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <sstream>

#include "model/movegen.h"
#include "model/notation.h"
#include "model/position_text.h"
#include "model/puzzles/stored_fields.h"

namespace circumvia {

namespace {

constexpr int kLowestRating = 100;
constexpr int kHighestRating = 4000;
constexpr int kMostAttempts = 1000000000;
constexpr std::size_t kLongestLine = 9;

std::optional<int> ParseWhole(std::string_view text, int low, int high) {
    if (text.empty() || text.size() > 10) return std::nullopt;
    long long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) return std::nullopt;
    return static_cast<int>(value);
}

bool IsLegal(const Position& position, Side side, Move move) {
    if (!IsCell(move.From) || position[move.From] != side) return false;
    const Tlcoup moves = ListDestinations(move.From, position);
    return std::find(moves.begin(), moves.end(), move) != moves.end();
}

// The line's moves, each legal where it is played, the sides taking turns.
std::optional<std::vector<Move>> ParseLine(std::string_view text, Position position, Side side) {
    std::vector<Move> line;
    for (std::string_view word : SplitFields(text, ',')) {
        const std::optional<Move> move = ParseMoveText(word);
        if (!move || !IsLegal(position, side, *move) || line.size() == kLongestLine) {
            return std::nullopt;
        }
        ApplyMoveTo(position, *move);
        line.push_back(*move);
        side = Opponent(side);
    }
    if (line.size() % 2 == 0) return std::nullopt;
    return line;
}

}  // namespace

std::string CompactMoveText(Move move) {
    std::string from = CellText(move.From);
    std::string to = CellText(move.To);
    std::erase(from, ' ');
    std::erase(to, ' ');
    return from + '-' + to;
}

std::string PuzzleText(const Puzzle& puzzle) {
    std::string text = PositionText(puzzle.position) + '\t' + std::to_string(puzzle.side) + '\t';
    for (std::size_t i = 0; i < puzzle.line.size(); ++i) {
        if (i > 0) text += ',';
        text += CompactMoveText(puzzle.line[i]);
    }
    return text + '\t' + std::to_string(puzzle.rating) + '\t' + std::to_string(puzzle.attempts);
}

std::optional<Puzzle> ParsePuzzleText(std::string_view text) {
    if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
    const std::vector<std::string_view> fields = SplitFields(text, '\t');
    if (fields.size() != 5) return std::nullopt;
    Puzzle puzzle;
    const std::optional<Position> position = ParsePositionText(fields[0]);
    const std::optional<int> side = ParseWhole(fields[1], kRed, kWhite);
    const std::optional<int> rating = ParseWhole(fields[3], kLowestRating, kHighestRating);
    const std::optional<int> attempts = ParseWhole(fields[4], 0, kMostAttempts);
    if (!position || !side || !rating || !attempts) return std::nullopt;
    const std::optional<std::vector<Move>> line = ParseLine(fields[2], *position, *side);
    if (!line) return std::nullopt;
    puzzle.position = *position;
    puzzle.side = *side;
    puzzle.line = *line;
    puzzle.rating = *rating;
    puzzle.attempts = *attempts;
    return puzzle;
}

PuzzleFile ReadPuzzles(std::istream& in) {
    PuzzleFile file;
    std::string text;
    int number = 0;
    while (std::getline(in, text)) {
        ++number;
        if (text.empty() || text[0] == '#') continue;
        if (std::optional<Puzzle> puzzle = ParsePuzzleText(text)) {
            file.puzzles.push_back(*puzzle);
        } else {
            file.bad_lines.push_back(number);
        }
    }
    return file;
}

void WritePuzzles(const std::vector<Puzzle>& puzzles, std::ostream& out) {
    out << "# position\tside\tline\trating\tattempts\n";
    for (const Puzzle& puzzle : puzzles) out << PuzzleText(puzzle) << '\n';
}

}  // namespace circumvia
