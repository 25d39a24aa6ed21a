#pragma once
// Geometry of a move's animation: the moving piece lifts, travels along the lines, swings
// round the outside of every corner arc it passes and sets down; a captured piece is
// knocked off the board in the direction the capturing piece arrived from. Plain data,
// built here and handed to the scene's movements.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "scene/board/board_geometry.h"
#include "scene/vector3.h"

namespace circumvia::scene {

// A capture route: the cells a capturing piece passes after its start cell, ending on the
// victim's, then zeros; all zeros for a step.
using RouteCells = std::span<const std::uint8_t>;

inline constexpr double kRestHeight = kRestingPieceHeight;
inline constexpr double kTravelHeight = kTravellingPieceHeight;
inline constexpr double kFlightHeight = 3.0;
inline constexpr double kGlideSpeed = 2.0;
// Carried by the flight's last node; a segment runs at its first node's speed, so the
// flight glides at kGlideSpeed like everything else.
inline constexpr double kFlightEndSpeed = 8.0;
inline constexpr double kExitDistance = 5.0;

// Path names the end handler reacts to.
inline constexpr char kStepPath[] = "C";
inline constexpr char kCapturePath[] = "S";
inline constexpr char kVictimPath[] = "PRISE";

struct PlannedNode {
    Vec3 position;
    double speed = kGlideSpeed;
};

struct PlannedPath {
    std::string name;
    std::vector<PlannedNode> nodes;
};

// Centre of a cell at a height, in the board slab's frame.
Vec3 CellCentre(int cell, double height);

// Appends the nodes that carry a piece round the corner arc between cells a and b, if the
// pair is joined by one; returns whether it did.
bool AddArcNodes(PlannedPath& path, int a, int b);

struct MoverPlan {
    std::vector<PlannedPath> paths;  // "C" for a step; "S" then the settling path for a capture
    // Last route cell passed on a straight line before the victim, or -1 when an arc
    // delivered the piece onto it.
    int last_line_cell = -1;
};

// Paths of the piece standing at `piece_at` moving from -> to along `route` (the capture
// route, all zeros for a step). The route is walked only when a victim object was found.
MoverPlan PlanMoverPaths(Vec3 piece_at, int from, int to, RouteCells route, bool victim_found);

// The victim's flight from `victim_at` to its exit point beside or off the board.
// `count` is the number of the victim's side on the board before the move, itself included.
// `victim_is_red` picks the side of the board the victims line up on when no route was walked.
PlannedPath PlanCaptureFlight(Vec3 victim_at, int to, int count, int last_line_cell,
                              bool victim_is_red);

}  // namespace circumvia::scene
