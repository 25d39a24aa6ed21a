#pragma once
// A position's key: its cells read as a base-3 number (cell n is digit n - 1). Every board
// of empty, Red and White cells has its own key (3^36 < 2^64), so equal keys mean equal
// boards and the key can be updated move by move with two or three additions.

#include <array>
#include <cstdint>

#include "board.h"

namespace circumvia {

using PositionKey = std::uint64_t;

// The key of every board holding something other than 0, 1 or 2 in a cell: such boards
// share it, so a match on it needs a full comparison.
inline constexpr PositionKey kIrregularKey = ~PositionKey{0};

// kPowersOfThree[n] = 3^(n - 1): the weight of cell n.
inline constexpr std::array<PositionKey, kCellCount + 1> kPowersOfThree = [] {
    std::array<PositionKey, kCellCount + 1> powers{};
    PositionKey p = 1;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        powers[cell] = p;
        p *= 3;
    }
    return powers;
}();

constexpr PositionKey KeyOf(const Position& position) {
    PositionKey key = 0;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const std::uint8_t value = position[cell];
        if (value > kWhite) return kIrregularKey;
        key += value * kPowersOfThree[cell];
    }
    return key;
}

static_assert(KeyOf(Position{}) == 0);
static_assert(KeyOf(Position::Start()) != kIrregularKey);

}  // namespace circumvia
