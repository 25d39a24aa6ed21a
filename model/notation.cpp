#include "notation.h"

#include "board.h"

namespace circumvia {

namespace {

constexpr char kRowLetters[] = "ABCDEF";

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Reads "E1" or "E 1" from `text` at `at`, leaving `at` after the digit; 0 when there is
// no cell there.
int ReadCell(std::string_view text, std::size_t& at) {
    if (at >= text.size()) return 0;
    const char letter = static_cast<char>(text[at] & ~0x20);  // upper case for ASCII letters
    if (letter < 'A' || letter > 'F') return 0;
    std::size_t next = at + 1;
    while (next < text.size() && IsBlank(text[next])) ++next;
    if (next >= text.size() || text[next] < '1' || text[next] > '6') return 0;
    at = next + 1;
    return CellAt(letter - 'A' + 1, text[next] - '0');
}

void SkipBlanks(std::string_view text, std::size_t& at) {
    while (at < text.size() && IsBlank(text[at])) ++at;
}

// Blanks, then at most one of "-", ">" and "->", then blanks.
void SkipSeparator(std::string_view text, std::size_t& at) {
    SkipBlanks(text, at);
    if (text.substr(at, 2) == "->") {
        at += 2;
    } else if (at < text.size() && (text[at] == '-' || text[at] == '>')) {
        ++at;
    }
    SkipBlanks(text, at);
}

}  // namespace

std::string CellText(int cell) {
    std::string text;
    text += kRowLetters[RowOf(cell) - 1];
    text += ' ';
    text += static_cast<char>('0' + ColumnOf(cell));
    return text;
}

std::string MoveText(int from, int to) {
    if (from <= 0) return {};
    std::string text = CellText(from);
    if (to > 0) text += "->" + CellText(to);
    return text;
}

std::optional<Move> ParseMoveText(std::string_view text) {
    std::size_t at = 0;
    SkipBlanks(text, at);
    const int from = ReadCell(text, at);
    if (from == 0) return std::nullopt;
    SkipSeparator(text, at);
    const int to = ReadCell(text, at);
    if (to == 0) return std::nullopt;
    SkipBlanks(text, at);
    if (at != text.size()) return std::nullopt;
    return Move{static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)};
}

}  // namespace circumvia
