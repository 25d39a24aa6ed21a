#pragma once
// Where things stand on the board, in the frame of the slab `Plateau`: cell n (1..36,
// row by row) has its centre at x = (column - 3.5) x 0.5, z = (row - 3.5) x 0.5, so row 1
// is the far edge and column 1 the left edge; Y is up.

#include "scene/vector3.h"

namespace circumvia::scene {

inline constexpr double kCellPitch = 0.5;
inline constexpr double kMarkerHeight = 0.12;
inline constexpr double kRestingPieceHeight = 0.2;
inline constexpr double kTravellingPieceHeight = 0.3;
inline constexpr double kArrowMarkerHeight = 0.7;
// The last move's rings lie round their cells' markers, above the lines (0.11) and below
// the markers (0.12); a resting piece (radius 0.2) leaves the ring's outer part in view.
inline constexpr double kLastMoveRingHeight = 0.115;
inline constexpr double kLastMoveRingInner = 0.2;
inline constexpr double kLastMoveRingOuter = 0.245;

inline constexpr int CellRow(int cell) {
    return (cell - 1) / 6 + 1;
}
inline constexpr int CellColumn(int cell) {
    return (cell - 1) % 6 + 1;
}
inline constexpr double CellX(int cell) {
    return (CellColumn(cell) - 3.5) * kCellPitch;
}
inline constexpr double CellZ(int cell) {
    return (CellRow(cell) - 3.5) * kCellPitch;
}

// The board group's base orientation: turned 46 degrees about X, so that the row-6 edge
// comes down towards the viewer.
inline constexpr Vec3 kBoardBaseDirection{-2.205915e-09, -0.7193398, 0.6946583};
inline constexpr Vec3 kBoardBaseUp{8.9046e-09, 0.6946583, 0.7193398};

// Indexes into the table of the 75 objects made at start-up (1-based).
inline constexpr int kFirstCellMarker = 1;    // "PL" 1..36, tag = cell
inline constexpr int kFirstRedPiece = 37;     // "JR" 1..12
inline constexpr int kFirstWhitePiece = 49;   // "JB" 1..12
inline constexpr int kFirstArrowMarker = 61;  // "FL" 1..15
inline constexpr int kSceneObjectCount = 75;
inline constexpr int kPiecesPerSide = 12;
inline constexpr int kArrowMarkerCount = 15;

}  // namespace circumvia::scene
