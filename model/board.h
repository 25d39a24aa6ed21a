#pragma once
// Board geometry and the Position: 36 cells numbered 1..36 row by row.

#include <array>
#include <cstdint>

namespace circumvia {

inline constexpr int kCellCount = 36;
inline constexpr int kBoardSide = 6;

// A cell holds one of these; the two piece values also name the sides.
inline constexpr std::uint8_t kEmpty = 0;
inline constexpr std::uint8_t kRed = 1;
inline constexpr std::uint8_t kWhite = 2;

using Side = int;  // kRed or kWhite

// The other side: White's opponent is Red, anything else plays against White.
constexpr Side Opponent(Side side) {
    return side == kWhite ? kRed : kWhite;
}

constexpr bool IsCell(int n) {
    return n >= 1 && n <= kCellCount;
}
constexpr int RowOf(int cell) {
    return (cell - 1) / kBoardSide + 1;
}
constexpr int ColumnOf(int cell) {
    return (cell - 1) % kBoardSide + 1;
}
constexpr int CellAt(int row, int column) {
    return kBoardSide * (row - 1) + column;
}
constexpr bool IsCorner(int cell) {
    return cell == 1 || cell == 6 || cell == 31 || cell == 36;
}

// The 36 cells of a board. Indexing is by cell number (1..36), so code reads like the rules.
struct Position {
    std::array<std::uint8_t, kCellCount> cells{};

    constexpr std::uint8_t operator[](int cell) const { return cells[cell - 1]; }
    constexpr std::uint8_t& operator[](int cell) { return cells[cell - 1]; }
    bool operator==(const Position&) const = default;

    int Count(std::uint8_t value) const {
        int n = 0;
        for (std::uint8_t c : cells) n += (c == value);
        return n;
    }

    // White on rows 1 and 2, Red on rows 5 and 6.
    static constexpr Position Start() {
        Position p;
        for (int n = 1; n <= 12; ++n) p[n] = kWhite;
        for (int n = 25; n <= 36; ++n) p[n] = kRed;
        return p;
    }
};

}  // namespace circumvia
