#include "movegen.h"

namespace circumvia {

namespace {

// Built at compile time, so other tables may read it during static initialisation.
struct NeighbourTable {
    std::array<NeighbourList, kCellCount + 1> lists;

    constexpr NeighbourTable() {
        // Column by column from the left, each top to bottom.
        constexpr int kDeltas[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                       {1, 0},   {-1, 1}, {0, 1},  {1, 1}};
        for (int cell = 1; cell <= kCellCount; ++cell) {
            for (const auto& [dr, dc] : kDeltas) {
                const int r = RowOf(cell) + dr;
                const int c = ColumnOf(cell) + dc;
                if (r >= 1 && r <= kBoardSide && c >= 1 && c <= kBoardSide) {
                    lists[cell].push_back(static_cast<std::uint8_t>(CellAt(r, c)));
                }
            }
        }
    }
};

constexpr NeighbourTable kNeighbourTable;

struct WalkEnd {
    int cell = 0;      // first piece met, 0 when the walk came back to its start
    bool arc = false;  // whether a corner arc was crossed before reaching it
};

// Walks a circuit from position `start` in `direction`, passing empty cells and the
// moving piece's own start cell, until the first other piece. `visit` sees every cell
// entered, in order.
template <typename Visit>
WalkEnd WalkToFirstPiece(const Position& position, const CircuitTable& table, int start,
                         int direction, int from, Visit&& visit) {
    WalkEnd end;
    for (int q = WrapCircuitPosition(start + direction); q != start;
         q = WrapCircuitPosition(q + direction)) {
        if (IsArcArrival(q, direction)) end.arc = true;
        const int x = table[q];
        visit(x);
        if (position[x] != kEmpty && x != from) {
            end.cell = x;
            return end;
        }
    }
    return {};
}

constexpr auto kIgnoreCell = [](int) {};

}  // namespace

const NeighbourList& NeighboursOf(int cell) {
    return kNeighbourTable.lists[cell];
}

CaptureList ScanCaptures(const Position& position, Circuit circuit, int cell) {
    CaptureList targets;
    const std::uint8_t mover = position[cell];
    if (mover == kEmpty) return targets;
    const CircuitTable& table = TableOf(circuit);
    for (int p = FindOnCircuit(circuit, cell, 1); p > 0; p = FindOnCircuit(circuit, cell, p + 1)) {
        for (int direction : {kBackward, kForward}) {
            const WalkEnd end = WalkToFirstPiece(position, table, p, direction, cell, kIgnoreCell);
            if (end.cell != 0 && end.arc && position[end.cell] != mover) {
                targets.push_back(static_cast<std::uint8_t>(end.cell));
            }
        }
    }
    return targets;
}

void AppendDestinations(int cell, const Position& position, MoveList& out) {
    const auto from = static_cast<std::uint8_t>(cell);
    if (!IsCorner(cell)) {
        for (Circuit circuit : {Circuit::Outer, Circuit::Inner}) {
            if (!OnCircuit(cell, circuit)) continue;
            for (std::uint8_t target : ScanCaptures(position, circuit, cell)) {
                out.push_back({from, target});
            }
        }
    }
    for (std::uint8_t neighbour : NeighboursOf(cell)) {
        if (position[neighbour] == kEmpty) out.push_back({from, neighbour});
    }
}

Tlcoup ListDestinations(int cell, const Position& position) {
    MoveList moves;
    AppendDestinations(cell, position, moves);
    return Tlcoup(moves.begin(), moves.end());
}

void GenerateAllMoves(const Position& position, Side side, MoveList& out) {
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (position[cell] == side) AppendDestinations(cell, position, out);
    }
}

Tlcoup ListAllMoves(const Position& position, Side side) {
    MoveList moves;
    GenerateAllMoves(position, side, moves);
    return Tlcoup(moves.begin(), moves.end());
}

CapturePathCells CapturePath(int from, int to, const Position& position) {
    CapturePathCells path{};
    const std::uint8_t mover = position[from];
    for (Circuit circuit : {Circuit::Outer, Circuit::Inner}) {
        if (!OnCircuit(from, circuit) || !OnCircuit(to, circuit)) continue;
        const CircuitTable& table = TableOf(circuit);
        for (int direction : {kBackward, kForward}) {
            for (int p = FindOnCircuit(circuit, from, 1); p > 0;
                 p = FindOnCircuit(circuit, from, p + 1)) {
                path.fill(0);
                std::size_t length = 0;
                const WalkEnd end =
                    WalkToFirstPiece(position, table, p, direction, from,
                                     [&](int x) { path[length++] = static_cast<std::uint8_t>(x); });
                if (end.cell == to && end.arc && position[end.cell] != mover) return path;
            }
        }
    }
    path.fill(0);
    return path;
}

}  // namespace circumvia
