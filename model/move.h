#pragma once
// A move is a pair of cells; a pair with a 0 is the null move ("no move").

#include <cstdint>
#include <vector>

namespace circumvia {

struct Move {
    std::uint8_t From = 0;
    std::uint8_t To = 0;

    constexpr bool IsNull() const { return From == 0 || To == 0; }
    bool operator==(const Move&) const = default;
};

inline constexpr Move kNullMove{};

// An ordered move list; the order matters (tie-breaks and random choices draw from it).
using Tlcoup = std::vector<Move>;

}  // namespace circumvia
