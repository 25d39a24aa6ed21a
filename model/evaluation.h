#pragma once
// The computer player's judgement of a position. A piece is worth 50, plus 5 for every
// capture it threatens (a repeated target counts each time), plus 1 for every empty
// neighbour; a side scores its pieces' sum minus the opponent's, the loss score when it
// has no piece left and the win score when the opponent has none.

#include "board.h"
#include "packed_board.h"

namespace circumvia {

inline constexpr int kWinScore = 2147483647;
inline constexpr int kLossScore = -kWinScore;

inline constexpr int kCaptureThreatValue = 5;

// The value of the piece on `cell`, with its own side's captures; 0 for an empty cell.
int PieceValue(const Position& position, int cell);

// The score of `side` (kRed or kWhite) in `position`. Cells other than 1 and 2 count as empty.
int Evaluate(const Position& position, Side side);

namespace evaluation_detail {

// Threats of the piece on a crossing cell that walk past its own other position: from
// `from` forward and from `to` backward, when nothing stands between `from` and `to`.
inline int ThreatsPastItself(const PackedBoard& board, const CrossingCell& x, int from, int to) {
    const Side enemy = board.Holds(kRed, x.cell) ? kWhite : kRed;
    const WalkStart forward{x.circuit, static_cast<std::uint8_t>(from), kForward};
    const WalkStart backward{x.circuit, static_cast<std::uint8_t>(to), kBackward};
    const int threats = (board.CaptureTarget(x.cell, forward, enemy) != 0) +
                        (board.CaptureTarget(x.cell, backward, enemy) != 0);
    return enemy == kWhite ? threats : -threats;
}

// Red's capture threats minus White's. Two neighbouring pieces along a circuit (with no
// piece between them) threaten each other exactly when they are enemies and an arc lies
// between them, so such pairs cancel out. Only a piece on a crossing cell whose two
// positions are neighbours along the circuit walks past itself to a third piece, which
// gives it a threat without a matching one: only those walks are counted. They exist
// around the corner loop when the loop is empty, and the long way round when every other
// piece on the circuit stands in the loop. Most positions have few pieces on crossing
// cells, so the work goes by those pieces.
inline int CaptureBalance(const PackedBoard& board) {
    const BoardTables& t = Tables();
    const CellMask occupied = board.Occupied();
    int balance = 0;
    for (CellMask crossing = occupied & t.crossing_cells; crossing != 0; crossing &= crossing - 1) {
        const CrossingCell& x = t.crossings[t.crossing_index[std::countr_zero(crossing) + 1]];
        if ((occupied & x.loop_cells) == 0) {
            balance += ThreatsPastItself(board, x, x.loop_from, x.loop_to);
        } else if ((board.occupied[x.circuit] & ~x.region) == 0) {
            balance += ThreatsPastItself(board, x, x.loop_to, x.loop_from);
        }
    }
    return balance;
}

// Red's empty-neighbour count minus White's. A side's count is the sum of its pieces'
// neighbours (in open_sum) minus its neighbouring occupied cells; enemy neighbours cancel
// between the sides and own ones count twice.
inline int FreedomBalance(const PackedBoard& board) {
    return -2 * (board.own_pairs[kRed] - board.own_pairs[kWhite]);
}

}  // namespace evaluation_detail

// Red's pieces' sum minus White's without their capture threats, both sides having pieces.
inline int RedMinusWhiteWithoutThreats(const PackedBoard& board) {
    return board.open_sum[kRed] - board.open_sum[kWhite] + evaluation_detail::FreedomBalance(board);
}

// How far the capture threats can take Red's sum minus White's either way: only a piece on
// a crossing cell has threats that are not matched, two at most.
inline int ThreatValueRange(const PackedBoard& board) {
    return 2 * kCaptureThreatValue * BitCount(board.Occupied() & Tables().crossing_cells);
}

// Red's pieces' sum minus White's, both sides having pieces.
inline int RedMinusWhite(const PackedBoard& board) {
    return RedMinusWhiteWithoutThreats(board) +
           kCaptureThreatValue * evaluation_detail::CaptureBalance(board);
}

// The score of `side` from Red's sum minus White's, or the win or loss score.
inline int ScoreFor(const PackedBoard& board, Side side, int red_minus_white) {
    if (board.pieces[side] == 0) return kLossScore;
    if (board.pieces[Opponent(side)] == 0) return kWinScore;
    return side == kWhite ? -red_minus_white : red_minus_white;
}

// The same value as Evaluate(position, side), on the search's packed board.
inline int Evaluate(const PackedBoard& board, Side side) {
    const bool both_sides = board.pieces[kRed] != 0 && board.pieces[kWhite] != 0;
    return ScoreFor(board, side, both_sides ? RedMinusWhite(board) : 0);
}

}  // namespace circumvia
