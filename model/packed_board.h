#pragma once
// A board packed into bit masks for the search: one 36-bit mask per side (bit n - 1 for
// cell n), the occupancy of each circuit in circuit order (bit p - 1 for position p), the
// position key, and per side the running sums the evaluation needs. A capture walk becomes
// one or two bit scans on a circuit mask, and a move updates everything in a few
// instructions.

#include <array>
#include <bit>
#include <cstdint>

#include "board.h"
#include "circuits.h"
#include "move.h"
#include "position_key.h"

namespace circumvia {

using CellMask = std::uint64_t;
using CircuitMask = std::uint32_t;

constexpr CellMask CellBit(int cell) {
    return CellMask{1} << (cell - 1);
}
constexpr CircuitMask PositionBit(int position) {
    return CircuitMask{1} << (position - 1);
}
constexpr int CircuitIndex(Circuit circuit) {
    return circuit == Circuit::Inner ? 0 : 1;
}

inline constexpr int kPieceBaseValue = 50;

// One capture walk of a piece: along which circuit, from which occurrence, which way.
struct WalkStart {
    std::uint8_t circuit = 0;  // CircuitIndex
    std::uint8_t position = 0;
    std::int8_t direction = 0;  // kBackward or kForward
};

// A cell where a circuit crosses itself. Between its two positions lie, one way, the few
// cells of the loop around a corner arc and, the other way, the rest of the circuit.
struct CrossingCell {
    std::uint8_t cell = 0;
    std::uint8_t circuit = 0;    // CircuitIndex
    std::uint8_t loop_from = 0;  // going forward from this position crosses the loop...
    std::uint8_t loop_to = 0;    // ...and arrives at this one
    CellMask loop_cells = 0;
    CircuitMask region = 0;  // both positions and the loop's
};

// Everything the search derives from the geometry, computed once.
struct BoardTables {
    // Circuit cell at each position, per circuit index; 0 at position 0 and past 24, where
    // a walk that meets no piece ends.
    std::array<std::array<std::uint8_t, 33>, 2> circuit_cells{};
    // Positions holding each cell, per circuit index.
    std::array<std::array<CircuitMask, kCellCount + 1>, 2> cell_positions{};
    // Positions a walk from p visits before it crosses an arc, by direction (0 backward).
    std::array<std::array<CircuitMask, kCircuitLength + 1>, 2> before_arc{};
    // Capture walks of each cell in the rules' order: outer before inner, occurrences in
    // table order, backward before forward. Corner cells have none.
    std::array<std::array<WalkStart, 4>, kCellCount + 1> walks{};
    std::array<std::uint8_t, kCellCount + 1> walk_count{};
    // Neighbours in the rules' step order.
    std::array<std::array<std::uint8_t, 8>, kCellCount + 1> neighbours{};
    std::array<std::uint8_t, kCellCount + 1> neighbour_count{};
    std::array<CellMask, kCellCount + 1> neighbour_mask{};
    // kPieceBaseValue plus the number of neighbours: a lone piece's value.
    std::array<int, kCellCount + 1> open_value{};
    // The four crossing cells of each circuit: eight cells, each a crossing of one circuit
    // only, whose regions on a circuit do not overlap.
    static constexpr std::size_t kCrossings = 8;
    std::array<CrossingCell, kCrossings> crossings{};
    std::array<std::uint8_t, kCellCount + 1> crossing_index{};  // by cell, for crossing cells
    CellMask crossing_cells = 0;
};

// Built during static initialisation from the constant circuit tables; not to be used by
// other static initialisers.
extern const BoardTables kBoardTables;
inline const BoardTables& Tables() {
    return kBoardTables;
}

// Position of the first piece a walk from `position` meets, `occupied` holding every
// occupied position except the walker's own; 0 (backward) or kNoPosition (forward) when
// the walk meets none. No branches: the answers are unpredictable.
inline constexpr int kNoPosition = 32;

inline int FirstPieceBackward(CircuitMask occupied, int position) {
    const CircuitMask below = occupied & (PositionBit(position) - 1);
    const CircuitMask from = below | (occupied & (CircuitMask{0} - (below == 0)));
    return 32 - std::countl_zero(from);
}
inline int FirstPieceForward(CircuitMask occupied, int position) {
    const CircuitMask above = occupied & ~((PositionBit(position) << 1) - 1);
    const CircuitMask from = above | (occupied & (CircuitMask{0} - (above == 0)));
    return std::countr_zero(from | (CircuitMask{1} << (kNoPosition - 1))) + 1;
}

// The number of set bits: one instruction where the target has it (the build turns it on
// when the machine does); otherwise counted within the word, which costs less than the
// library call the compiler would make.
inline int BitCount(CellMask x) {
#if defined(__POPCNT__) || !(defined(__x86_64__) || defined(__i386__))
    return std::popcount(x);
#else
    x -= (x >> 1) & 0x5555555555555555ull;
    x = (x & 0x3333333333333333ull) + ((x >> 2) & 0x3333333333333333ull);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    return static_cast<int>((x * 0x0101010101010101ull) >> 56);
#endif
}

struct PackedBoard {
    std::array<CellMask, 3> pieces{};       // [kRed], [kWhite]; [0] unused
    std::array<CircuitMask, 2> occupied{};  // per CircuitIndex
    std::array<int, 3> open_sum{};          // sum of open_value over each side's pieces
    std::array<int, 3> own_pairs{};         // pairs of neighbouring cells held by each side
    PositionKey key = 0;

    // Cells other than 1 and 2 are taken as empty.
    static PackedBoard From(const Position& position);
    Position ToPosition() const;

    CellMask Occupied() const { return pieces[kRed] | pieces[kWhite]; }
    bool Holds(Side side, int cell) const { return (pieces[side] & CellBit(cell)) != 0; }

    // 1 when `side` has a piece on `cell`, else 0.
    CellMask HoldsBit(Side side, int cell) const { return (pieces[side] >> (cell - 1)) & 1; }

    // The key after the piece of `side` on move.From goes to move.To.
    PositionKey KeyAfter(Move move, Side side) const {
        const Side enemy = Opponent(side);
        const PositionKey taken = HoldsBit(enemy, move.To) * static_cast<PositionKey>(enemy);
        return key +
               static_cast<PositionKey>(side) *
                   (kPowersOfThree[move.To] - kPowersOfThree[move.From]) -
               taken * kPowersOfThree[move.To];
    }

    // Whether the move takes the enemy's last piece.
    bool TakesLastPiece(Move move, Side side) const {
        return pieces[Opponent(side)] == CellBit(move.To);
    }
    // Whether the enemy has no piece after the move (it may have had none before).
    bool LeavesNoEnemy(Move move, Side side) const {
        return (pieces[Opponent(side)] & ~CellBit(move.To)) == 0;
    }

    // The piece of `side` on move.From goes to move.To, overwriting an enemy piece there.
    // Whether it captures is unpredictable, so both cases run the same instructions.
    void Apply(Move move, Side side) {
        const BoardTables& t = Tables();
        const Side enemy = Opponent(side);
        const int from = move.From;
        const int to = move.To;
        const CellMask taken = HoldsBit(enemy, to);
        pieces[enemy] &= ~(taken << (to - 1));
        open_sum[enemy] -= static_cast<int>(taken) * t.open_value[to];
        own_pairs[enemy] -=
            static_cast<int>(taken) * BitCount(t.neighbour_mask[to] & pieces[enemy]);
        key -= taken * static_cast<PositionKey>(enemy) * kPowersOfThree[to];
        const CellMask others = pieces[side] & ~CellBit(from);
        own_pairs[side] +=
            BitCount(t.neighbour_mask[to] & others) - BitCount(t.neighbour_mask[from] & others);
        pieces[side] ^= CellBit(from) | CellBit(to);
        open_sum[side] += t.open_value[to] - t.open_value[from];
        key += static_cast<PositionKey>(side) * (kPowersOfThree[to] - kPowersOfThree[from]);
        for (int c = 0; c < 2; ++c) {
            occupied[c] = (occupied[c] & ~t.cell_positions[c][from]) | t.cell_positions[c][to];
        }
    }

    // The first piece met by one capture walk of the piece on `cell`, when that walk
    // captures it (it belongs to `enemy` and lies beyond an arc); 0 otherwise. Written
    // without branches: whether a walk captures is as good as random to the processor.
    int CaptureTarget(int cell, const WalkStart& walk, Side enemy) const {
        const BoardTables& t = Tables();
        const CircuitMask others = occupied[walk.circuit] & ~t.cell_positions[walk.circuit][cell];
        const int way = walk.direction == kBackward ? 0 : 1;
        const bool blocked = (others & t.before_arc[way][walk.position]) != 0;
        const int q = way == 0 ? FirstPieceBackward(others, walk.position)
                               : FirstPieceForward(others, walk.position);
        const int target = t.circuit_cells[walk.circuit][q];    // 0 when the walk met nobody
        const bool hit = ((pieces[enemy] << 1) >> target) & 1;  // false for target 0
        return (hit & !blocked) ? target : 0;
    }

    // The moves of the piece of `side` on `cell` in the rules' order (outer captures, inner
    // captures, then steps in neighbour order) into `out`, which has room for
    // kMaxMovesPerPiece (movegen.h). Returns the number of moves.
    int GeneratePieceMoves(int cell, Side side, Move* out) const {
        const BoardTables& t = Tables();
        const Side enemy = Opponent(side);
        const CellMask empty_cells = ~Occupied();
        const auto from = static_cast<std::uint8_t>(cell);
        // Every candidate is written and kept by counting it, which spares the processor
        // a guess per candidate; a piece has at most kMaxMovesPerPiece candidates.
        int count = 0;
        for (int w = 0; w < t.walk_count[cell]; ++w) {
            const int target = CaptureTarget(cell, t.walks[cell][w], enemy);
            out[count] = Move{from, static_cast<std::uint8_t>(target)};
            count += target != 0;
        }
        for (int k = 0; k < t.neighbour_count[cell]; ++k) {
            const std::uint8_t neighbour = t.neighbours[cell][k];
            out[count] = Move{from, neighbour};
            count += static_cast<int>((empty_cells >> (neighbour - 1)) & 1);
        }
        return count;
    }

    // Calls visit(move, key) for the moves of `side` in the rules' order, `key` being the
    // position's key after the move, until visit returns false; returns false then, true
    // when every move was visited. The moves after the one that stops are never made.
    template <typename Visit>
    bool ForEachMove(Side side, Visit&& visit) const {
        const BoardTables& t = Tables();
        const Side enemy = Opponent(side);
        const CellMask empty_cells = ~Occupied();
        const auto mover = static_cast<PositionKey>(side);
        const auto taken = static_cast<PositionKey>(enemy);
        for (CellMask own = pieces[side]; own != 0; own &= own - 1) {
            const int cell = std::countr_zero(own) + 1;
            const auto from = static_cast<std::uint8_t>(cell);
            const PositionKey lifted = key - mover * kPowersOfThree[cell];
            for (int w = 0; w < t.walk_count[cell]; ++w) {
                const int target = CaptureTarget(cell, t.walks[cell][w], enemy);
                if (target == 0) continue;
                // The mover's digit replaces the taken piece's (unsigned arithmetic wraps
                // back to the exact key).
                const PositionKey after = lifted + (mover - taken) * kPowersOfThree[target];
                if (!visit(Move{from, static_cast<std::uint8_t>(target)}, after)) return false;
            }
            for (int k = 0; k < t.neighbour_count[cell]; ++k) {
                const std::uint8_t neighbour = t.neighbours[cell][k];
                if (((empty_cells >> (neighbour - 1)) & 1) == 0) continue;
                if (!visit(Move{from, neighbour}, lifted + mover * kPowersOfThree[neighbour])) {
                    return false;
                }
            }
        }
        return true;
    }

    // ForEachMove, handing each move's key to fetch(key) one move before visit sees it, so
    // that what visit looks up by the key is on its way meanwhile.
    template <typename Fetch, typename Visit>
    bool ForEachMoveFetchingAhead(Side side, Fetch&& fetch, Visit&& visit) const {
        Move pending_move;
        PositionKey pending_key = 0;
        bool pending = false;
        const bool all = ForEachMove(side, [&](Move move, PositionKey key) {
            fetch(key);
            if (pending && !visit(pending_move, pending_key)) return false;
            pending_move = move;
            pending_key = key;
            pending = true;
            return true;
        });
        return all && (!pending || visit(pending_move, pending_key));
    }

    // Every move of `side`, pieces by cell, into `out` (room for kMaxMoves, movegen.h).
    int GenerateMoves(Side side, Move* out) const {
        int count = 0;
        for (CellMask own = pieces[side]; own != 0; own &= own - 1) {
            count += GeneratePieceMoves(std::countr_zero(own) + 1, side, out + count);
        }
        return count;
    }
};

}  // namespace circumvia
