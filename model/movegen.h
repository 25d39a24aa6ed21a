#pragma once
// Legal moves: steps to an empty neighbour, and captures along a circuit that pass
// at least one corner arc and take the first enemy piece met.
//
// Orders are part of the rules' contract (the computer breaks ties by them):
// per piece, outer-circuit captures, inner-circuit captures, then steps in the
// fixed neighbour order; pieces by increasing cell number. Repeated capture
// targets are kept, each occurrence being a separate move.

#include <array>
#include <cstdint>

#include "board.h"
#include "circuits.h"
#include "move.h"
#include "static_list.h"

namespace circumvia {

// One cell occurs at most twice on a circuit and each occurrence walks both ways.
inline constexpr std::size_t kMaxCapturesPerScan = 4;
// A piece has at most 4 captures and 8 steps.
inline constexpr std::size_t kMaxMovesPerPiece = 12;
inline constexpr std::size_t kMaxMoves = kMaxMovesPerPiece * kCellCount;

using CaptureList = StaticList<std::uint8_t, kMaxCapturesPerScan>;
using MoveList = StaticList<Move, kMaxMoves>;

// Cells a capturing piece passes after leaving its start cell, ending on the captured
// piece's cell, then zeros. All zeros when the move is not a capture.
using CapturePathCells = std::array<std::uint8_t, kCellCount>;

// Neighbours of a cell in the fixed step order: offsets -7, -1, +5, -6, +6, -5, +1, +7.
using NeighbourList = StaticList<std::uint8_t, 8>;
const NeighbourList& NeighboursOf(int cell);

// Targets the piece on `cell` can capture along one circuit, in the order found.
CaptureList ScanCaptures(const Position& position, Circuit circuit, int cell);

// Moves of the piece on `cell` (it need not belong to the side to move).
void AppendDestinations(int cell, const Position& position, MoveList& out);
Tlcoup ListDestinations(int cell, const Position& position);

// Every move of every piece of `side`.
void GenerateAllMoves(const Position& position, Side side, MoveList& out);
Tlcoup ListAllMoves(const Position& position, Side side);

// Route of the first walk (outer before inner, backward before forward, earlier
// occurrence first) that captures on `to`.
CapturePathCells CapturePath(int from, int to, const Position& position);

// The piece on From goes to To; a captured piece is simply overwritten.
constexpr void ApplyMoveTo(Position& position, Move move) {
    position[move.To] = position[move.From];
    position[move.From] = kEmpty;
}

}  // namespace circumvia
