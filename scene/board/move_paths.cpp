#include "scene/board/move_paths.h"

#include <algorithm>
#include <array>

namespace circumvia::scene {

namespace {

struct Arc {
    std::uint8_t from;
    std::uint8_t to;
    std::uint8_t count;
    std::array<std::array<double, 2>, 5> nodes;  // (x, z)
};

// Small arcs: 0.495 from the corner at 45, 135 and 225 degrees along the 270-degree
// swing; large arcs: about 0.98 from the corner at 15, 75, 135, 195 and 255 degrees.
constexpr Arc kArcs[] = {
    {2, 7, 3, {{{-0.9, -1.6}, {-1.6, -1.6}, {-1.6, -0.9}}}},
    {7, 2, 3, {{{-1.6, -0.9}, {-1.6, -1.6}, {-0.9, -1.6}}}},
    {25, 32, 3, {{{-1.6, 0.9}, {-1.6, 1.6}, {-0.9, 1.6}}}},
    {32, 25, 3, {{{-0.9, 1.6}, {-1.6, 1.6}, {-1.6, 0.9}}}},
    {35, 30, 3, {{{0.9, 1.6}, {1.6, 1.6}, {1.6, 0.9}}}},
    {30, 35, 3, {{{1.6, 0.9}, {1.6, 1.6}, {0.9, 1.6}}}},
    {12, 5, 3, {{{1.6, -0.9}, {1.6, -1.6}, {0.9, -1.6}}}},
    {5, 12, 3, {{{0.9, -1.6}, {1.6, -1.6}, {1.6, -0.9}}}},
    {3, 13, 5, {{{-0.3, -1.5}, {-1.0, -2.2}, {-1.95, -1.95}, {-2.2, -1.0}, {-1.5, -0.3}}}},
    {13, 3, 5, {{{-1.5, -0.3}, {-2.2, -1.0}, {-1.95, -1.95}, {-1.0, -2.2}, {-0.3, -1.5}}}},
    {19, 33, 5, {{{-1.5, 0.3}, {-2.2, 1.0}, {-1.95, 1.95}, {-1.0, 2.2}, {-0.3, 1.5}}}},
    {33, 19, 5, {{{-0.3, 1.5}, {-1.0, 2.2}, {-1.95, 1.95}, {-2.2, 1.0}, {-1.5, 0.3}}}},
    {34, 24, 5, {{{0.3, 1.5}, {1.0, 2.2}, {1.95, 1.95}, {2.2, 1.0}, {1.5, 0.3}}}},
    {24, 34, 5, {{{1.5, 0.3}, {2.2, 1.0}, {1.95, 1.95}, {1.0, 2.2}, {0.3, 1.5}}}},
    {4, 18, 5, {{{0.3, -1.5}, {1.0, -2.2}, {1.95, -1.95}, {2.2, -1.0}, {1.5, -0.3}}}},
    {18, 4, 5, {{{1.5, -0.3}, {2.2, -1.0}, {1.95, -1.95}, {1.0, -2.2}, {0.3, -1.5}}}},
};

void AddNode(PlannedPath& path, Vec3 position, double speed = kGlideSpeed) {
    path.nodes.push_back({position, speed});
}

// Cells a capture arriving along an arc lands on, by the board edge they lie on.
bool InRow1(int b) {
    return b >= 2 && b <= 5;
}
bool InRow6(int b) {
    return b >= 32 && b <= 35;
}
bool InColumn1(int b) {
    return b == 7 || b == 13 || b == 19 || b == 25;
}
bool InColumn6(int b) {
    return b == 12 || b == 18 || b == 24 || b == 30;
}

}  // namespace

Vec3 CellCentre(int cell, double height) {
    return {CellX(cell), height, CellZ(cell)};
}

bool AddArcNodes(PlannedPath& path, int a, int b) {
    const auto arc = std::find_if(std::begin(kArcs), std::end(kArcs),
                                  [&](const Arc& x) { return x.from == a && x.to == b; });
    if (arc == std::end(kArcs)) return false;
    for (int i = 0; i < arc->count; ++i) {
        AddNode(path, {arc->nodes[i][0], kTravelHeight, arc->nodes[i][1]});
    }
    return true;
}

MoverPlan PlanMoverPaths(Vec3 piece_at, int from, int to, RouteCells route, bool victim_found) {
    MoverPlan plan;
    plan.paths.push_back({kStepPath, {}});
    PlannedPath* path = &plan.paths.back();
    AddNode(*path, piece_at);
    AddNode(*path, {piece_at.x, kTravelHeight, piece_at.z});
    const int first = route.empty() ? 0 : route[0];
    if (AddArcNodes(*path, from, first)) plan.last_line_cell = -1;

    if (victim_found && first != 0) {
        bool split = false;
        for (std::size_t i = 0; i < route.size() && route[i] != 0; ++i) {
            const int cell = route[i];
            const int next = i + 1 < route.size() ? route[i + 1] : 0;
            if (!split && cell != to) plan.last_line_cell = cell;
            if (next == 0 && !split) {
                // The capturing piece stops in front of its victim; a second path sets it down.
                path->name = std::string(kCapturePath);  // a move avoids a false -Wrestrict
                plan.paths.push_back({std::string(), {}});
                path = &plan.paths.back();
                split = true;
            }
            AddNode(*path, CellCentre(cell, kTravelHeight));
            if (AddArcNodes(*path, cell, next)) plan.last_line_cell = -1;
        }
    }
    AddNode(*path, CellCentre(to, kTravelHeight));
    AddNode(*path, CellCentre(to, kRestHeight));
    return plan;
}

PlannedPath PlanCaptureFlight(Vec3 victim_at, int to, int count, int last_line_cell,
                              bool victim_is_red) {
    PlannedPath flight{kVictimPath, {}};
    AddNode(flight, victim_at);
    double x = victim_at.x;
    double z = victim_at.z;
    if (last_line_cell > 0) {
        // Knocked on along the row or column the capturing piece came down.
        const int row_l = CellRow(last_line_cell), column_l = CellColumn(last_line_cell);
        const int row_b = CellRow(to), column_b = CellColumn(to);
        if (row_l < row_b) {
            z = kExitDistance;
        } else if (row_l > row_b) {
            z = -kExitDistance;
        } else if (column_l < column_b) {
            x = kExitDistance;
        } else if (column_l > column_b) {
            x = -kExitDistance;
        } else {
            x = -kExitDistance;
            z = -kExitDistance;
        }
    } else if (InRow1(to) || InRow6(to) || InColumn1(to) || InColumn6(to)) {
        // Delivered by an arc: straight into the board from that edge.
        if (InRow1(to)) z = kExitDistance;
        if (InRow6(to)) z = -kExitDistance;
        if (InColumn1(to)) x = kExitDistance;
        if (InColumn6(to)) x = -kExitDistance;
    } else {
        // No route was walked: line the victims up beside the board.
        x = victim_is_red ? -kExitDistance : kExitDistance;
        z = (12 - count) * 0.5 - 3.0;
    }
    AddNode(flight, {x, kFlightHeight, z}, kFlightEndSpeed);
    return flight;
}

}  // namespace circumvia::scene
