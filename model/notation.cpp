#include "notation.h"

#include "board.h"

namespace circumvia {

std::string CellText(int cell) {
    static constexpr char kRowLetters[] = "ABCDEF";
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

}  // namespace circumvia
