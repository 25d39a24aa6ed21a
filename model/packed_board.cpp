#include "packed_board.h"

#include <utility>

#include "movegen.h"

namespace circumvia {

namespace {

constexpr Circuit kCircuitOrder[] = {Circuit::Outer, Circuit::Inner};  // the rules' walk order

// Follows a walk from p the way the rules do and collects the positions entered before
// the arc flag is raised.
CircuitMask PositionsBeforeArc(int p, int direction) {
    CircuitMask mask = 0;
    for (int q = WrapCircuitPosition(p + direction); q != p;
         q = WrapCircuitPosition(q + direction)) {
        if (IsArcArrival(q, direction)) break;
        mask |= PositionBit(q);
    }
    return mask;
}

// Positions strictly after `from` and before `to`, going forward.
CircuitMask PositionsBetween(int from, int to) {
    CircuitMask mask = 0;
    for (int q = WrapCircuitPosition(from + 1); q != to; q = WrapCircuitPosition(q + 1)) {
        mask |= PositionBit(q);
    }
    return mask;
}

CellMask CellsAt(const CircuitTable& table, CircuitMask positions) {
    CellMask cells = 0;
    for (int p = 1; p <= kCircuitLength; ++p) {
        if (positions & PositionBit(p)) cells |= CellBit(table[p]);
    }
    return cells;
}

void FillCircuits(BoardTables& t) {
    std::size_t crossings = 0;
    for (Circuit circuit : kCircuitOrder) {
        const int c = CircuitIndex(circuit);
        const CircuitTable& table = TableOf(circuit);
        for (int p = 1; p <= kCircuitLength; ++p) {
            const int cell = table[p];
            t.circuit_cells[c][p] = table[p];
            if (t.cell_positions[c][cell] != 0) {
                // The second sighting of a crossing cell: the shorter way round is the loop.
                int from = std::countr_zero(t.cell_positions[c][cell]) + 1;
                int to = p;
                if (std::popcount(PositionsBetween(from, to)) >
                    std::popcount(PositionsBetween(to, from))) {
                    std::swap(from, to);
                }
                const CircuitMask loop = PositionsBetween(from, to);
                t.crossings[crossings++] = CrossingCell{static_cast<std::uint8_t>(cell),
                                                        static_cast<std::uint8_t>(c),
                                                        static_cast<std::uint8_t>(from),
                                                        static_cast<std::uint8_t>(to),
                                                        CellsAt(table, loop),
                                                        loop | PositionBit(from) | PositionBit(to)};
            }
            t.cell_positions[c][cell] |= PositionBit(p);
            t.before_arc[0][p] = PositionsBeforeArc(p, kBackward);
            t.before_arc[1][p] = PositionsBeforeArc(p, kForward);
        }
    }
    for (std::size_t k = 0; k < crossings; ++k) {
        const CrossingCell& x = t.crossings[k];
        t.crossing_index[x.cell] = static_cast<std::uint8_t>(k);
        t.crossing_cells |= CellBit(x.cell);
    }
}

void FillWalks(BoardTables& t) {
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (IsCorner(cell)) continue;
        for (Circuit circuit : kCircuitOrder) {
            for (int p = FindOnCircuit(circuit, cell, 1); p > 0;
                 p = FindOnCircuit(circuit, cell, p + 1)) {
                for (int direction : {kBackward, kForward}) {
                    t.walks[cell][t.walk_count[cell]++] = WalkStart{
                        static_cast<std::uint8_t>(CircuitIndex(circuit)),
                        static_cast<std::uint8_t>(p), static_cast<std::int8_t>(direction)};
                }
            }
        }
    }
}

void FillNeighbours(BoardTables& t) {
    for (int cell = 1; cell <= kCellCount; ++cell) {
        for (std::uint8_t neighbour : NeighboursOf(cell)) {
            t.neighbours[cell][t.neighbour_count[cell]++] = neighbour;
            t.neighbour_mask[cell] |= CellBit(neighbour);
        }
        t.open_value[cell] = kPieceBaseValue + t.neighbour_count[cell];
    }
}

BoardTables BuildTables() {
    BoardTables t;
    FillCircuits(t);
    FillWalks(t);
    FillNeighbours(t);
    return t;
}

}  // namespace

const BoardTables kBoardTables = BuildTables();

PackedBoard PackedBoard::From(const Position& position) {
    const BoardTables& t = Tables();
    PackedBoard board;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const int side = position[cell];
        if (side != kRed && side != kWhite) continue;
        board.own_pairs[side] += BitCount(t.neighbour_mask[cell] & board.pieces[side]);
        board.pieces[side] |= CellBit(cell);
        board.open_sum[side] += t.open_value[cell];
        board.key += static_cast<PositionKey>(side) * kPowersOfThree[cell];
        for (int c = 0; c < 2; ++c) board.occupied[c] |= t.cell_positions[c][cell];
    }
    return board;
}

Position PackedBoard::ToPosition() const {
    Position position;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (Holds(kRed, cell)) position[cell] = kRed;
        if (Holds(kWhite, cell)) position[cell] = kWhite;
    }
    return position;
}

}  // namespace circumvia
