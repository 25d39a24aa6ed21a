#include "position_text.h"

namespace circumvia {

std::string PositionText(const Position& position) {
    std::string text(kCellCount, '_');
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (position[cell] == kRed) text[cell - 1] = 'R';
        if (position[cell] == kWhite) text[cell - 1] = 'B';
    }
    return text;
}

Position PositionFromText(std::string_view text) {
    Position position;
    for (int cell = 1; cell <= kCellCount && cell <= static_cast<int>(text.size()); ++cell) {
        const char c = text[cell - 1];
        position[cell] = c == 'R' ? kRed : c == 'B' ? kWhite : kEmpty;
    }
    return position;
}

std::optional<Position> ParsePositionText(std::string_view text) {
    if (text.size() != kCellCount) return std::nullopt;
    for (char c : text) {
        if (c != 'R' && c != 'B' && c != '_') return std::nullopt;
    }
    return PositionFromText(text);
}

}  // namespace circumvia
