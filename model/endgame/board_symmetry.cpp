#include "model/endgame/board_symmetry.h"

#include <algorithm>
#include <bit>
#include <tuple>

#include "model/circuits.h"

namespace circumvia::endgame {

namespace {

using CellTransform = std::pair<int, int> (*)(int row, int column);
constexpr int kLast = kBoardSide + 1;

constexpr CellTransform kTransforms[kBoardSymmetries] = {
    [](int r, int c) {
        return std::pair{r, c};
    },
    [](int r, int c) {
        return std::pair{c, kLast - r};
    },
    [](int r, int c) {
        return std::pair{kLast - r, kLast - c};
    },
    [](int r, int c) {
        return std::pair{kLast - c, r};
    },
    [](int r, int c) {
        return std::pair{kLast - r, c};
    },
    [](int r, int c) {
        return std::pair{r, kLast - c};
    },
    [](int r, int c) {
        return std::pair{c, r};
    },
    [](int r, int c) {
        return std::pair{kLast - c, kLast - r};
    },
};

std::array<CellMap, kBoardSymmetries> BuildMaps() {
    std::array<CellMap, kBoardSymmetries> maps{};
    for (int s = 0; s < kBoardSymmetries; ++s) {
        for (int cell = 1; cell <= kCellCount; ++cell) {
            const auto [r, c] = kTransforms[s](RowOf(cell), ColumnOf(cell));
            maps[s][cell] = static_cast<std::uint8_t>(CellAt(r, c));
        }
    }
    return maps;
}

// A circuit as its links between neighbouring positions: the two cells, unordered, and
// whether the link is a corner arc. A walk along a circuit goes straight on through the
// cells where it crosses itself, which any turn or mirroring keeps, so the links say all.
using Link = std::tuple<int, int, bool>;

std::vector<Link> LinksOf(Circuit circuit, const CellMap& map) {
    const CircuitTable& table = TableOf(circuit);
    std::vector<Link> links;
    for (int p = 1; p <= kCircuitLength; ++p) {
        const int next = WrapCircuitPosition(p + 1);
        const int a = map[table[p]];
        const int b = map[table[next]];
        links.emplace_back(std::min(a, b), std::max(a, b), IsArcArrival(next, kForward));
    }
    std::sort(links.begin(), links.end());
    return links;
}

bool KeepsCircuits(const CellMap& map) {
    const CellMap& identity = BoardSymmetries()[0];
    for (Circuit circuit : {Circuit::Inner, Circuit::Outer}) {
        if (LinksOf(circuit, map) != LinksOf(circuit, identity)) return false;
    }
    return true;
}

}  // namespace

const std::array<CellMap, kBoardSymmetries>& BoardSymmetries() {
    static const std::array<CellMap, kBoardSymmetries> maps = BuildMaps();
    return maps;
}

const std::vector<CellMap>& KeptSymmetries() {
    static const std::vector<CellMap> kept = [] {
        std::vector<CellMap> maps;
        for (const CellMap& map : BoardSymmetries()) {
            if (KeepsCircuits(map)) maps.push_back(map);
        }
        return maps;
    }();
    return kept;
}

CellMask MapCells(const CellMap& map, CellMask cells) {
    CellMask mapped = 0;
    for (; cells != 0; cells &= cells - 1) {
        mapped |= CellMask{1} << (map[std::countr_zero(cells) + 1] - 1);
    }
    return mapped;
}

}  // namespace circumvia::endgame
