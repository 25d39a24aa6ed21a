#include "scene/board/move_paths.h"

#include "model/movegen.h"

#include <gtest/gtest.h>

#include <cmath>

namespace circumvia::scene {
namespace {

Position Board(std::initializer_list<std::pair<int, std::uint8_t>> pieces) {
    Position p;
    for (auto [cell, value] : pieces) p[cell] = value;
    return p;
}

double Length(const PlannedPath& path) {
    double length = 0;
    for (std::size_t i = 1; i < path.nodes.size(); ++i) {
        length += Distance(path.nodes[i - 1].position, path.nodes[i].position);
    }
    return length;
}

void ExpectNear(Vec3 actual, Vec3 expected) {
    EXPECT_NEAR(actual.x, expected.x, 1e-9);
    EXPECT_NEAR(actual.y, expected.y, 1e-9);
    EXPECT_NEAR(actual.z, expected.z, 1e-9);
}

TEST(CellCentre, FollowsRowsAlongZAndColumnsAlongX) {
    ExpectNear(CellCentre(8, 0.12), {-0.75, 0.12, -0.75});
    ExpectNear(CellCentre(1, 0.2), {-1.25, 0.2, -1.25});
    ExpectNear(CellCentre(36, 0.2), {1.25, 0.2, 1.25});
    ExpectNear(CellCentre(35, 0.2), {0.75, 0.2, 1.25});
}

TEST(PlanMoverPaths, StepLiftsGlidesAndSetsDown) {
    const MoverPlan plan = PlanMoverPaths(CellCentre(8, 0.2), 8, 9, CapturePathCells{}, false);
    ASSERT_EQ(plan.paths.size(), 1u);
    const PlannedPath& c = plan.paths[0];
    EXPECT_EQ(c.name, "C");
    ASSERT_EQ(c.nodes.size(), 4u);
    ExpectNear(c.nodes[0].position, {-0.75, 0.2, -0.75});
    ExpectNear(c.nodes[1].position, {-0.75, 0.3, -0.75});
    ExpectNear(c.nodes[2].position, {-0.25, 0.3, -0.75});
    ExpectNear(c.nodes[3].position, {-0.25, 0.2, -0.75});
    for (const PlannedNode& node : c.nodes) EXPECT_EQ(node.speed, 2.0);
    EXPECT_NEAR(Length(c), 0.7, 1e-9);
}

TEST(PlanMoverPaths, CaptureRoundTwoArcsSplitsBeforeTheVictim) {
    const Position p = Board({{2, kRed}, {35, kWhite}});
    const MoverPlan plan = PlanMoverPaths(CellCentre(2, 0.2), 2, 35, CapturePath(2, 35, p), true);
    ASSERT_EQ(plan.paths.size(), 2u);
    const PlannedPath& s = plan.paths[0];
    EXPECT_EQ(s.name, "S");
    ASSERT_EQ(s.nodes.size(), 19u);
    ExpectNear(s.nodes[7].position, {-0.9, 0.3, 1.6});  // first node of arc 32-25
    ExpectNear(s.nodes[10].position, CellCentre(25, 0.3));
    ExpectNear(s.nodes[18].position, {0.9, 0.3, 1.6});  // last node of arc 30-35
    EXPECT_NEAR(Length(s), 9.042, 5e-4);
    const PlannedPath& settle = plan.paths[1];
    EXPECT_EQ(settle.name, "");
    ASSERT_EQ(settle.nodes.size(), 3u);
    ExpectNear(settle.nodes[0].position, CellCentre(35, 0.3));
    ExpectNear(settle.nodes[1].position, CellCentre(35, 0.3));
    ExpectNear(settle.nodes[2].position, CellCentre(35, 0.2));
    EXPECT_EQ(plan.last_line_cell, -1);  // the last arc delivers the piece onto 35
}

TEST(PlanMoverPaths, WithoutAVictimObjectTheRouteIsNotWalked) {
    const Position p = Board({{2, kRed}, {35, kWhite}});
    const MoverPlan plan = PlanMoverPaths(CellCentre(2, 0.2), 2, 35, CapturePath(2, 35, p), false);
    ASSERT_EQ(plan.paths.size(), 1u);
    EXPECT_EQ(plan.paths[0].name, "C");
    EXPECT_EQ(plan.paths[0].nodes.size(), 4u);
}

TEST(PlanMoverPaths, StraightLastStretchRemembersTheCellBeforeTheVictim) {
    // Red on 2 takes White on 8 the long way: round the arc to 7, then along row 2 onto 8.
    const Position p = Board({{2, kRed}, {8, kWhite}});
    const MoverPlan plan = PlanMoverPaths(CellCentre(2, 0.2), 2, 8, CapturePath(2, 8, p), true);
    EXPECT_EQ(plan.last_line_cell, 7);
}

TEST(AddArcNodes, OnlyArcPairsAddNodes) {
    PlannedPath path;
    EXPECT_FALSE(AddArcNodes(path, 8, 9));
    EXPECT_FALSE(AddArcNodes(path, 30, 0));
    EXPECT_FALSE(AddArcNodes(path, 13, 4));
    EXPECT_TRUE(AddArcNodes(path, 3, 13));
    EXPECT_EQ(path.nodes.size(), 5u);
    EXPECT_TRUE(AddArcNodes(path, 35, 30));
    EXPECT_EQ(path.nodes.size(), 8u);
    for (const PlannedNode& node : path.nodes) EXPECT_EQ(node.position.y, 0.3);
}

// Every arc leaves from near its first cell and arrives near its second: the tables of the
// two directions are each other's reverse.
TEST(AddArcNodes, EachDirectionIsTheReverseOfTheOther) {
    const int pairs[][2] = {{2, 7},  {25, 32}, {35, 30}, {12, 5},
                            {3, 13}, {19, 33}, {34, 24}, {4, 18}};
    for (const auto& pair : pairs) {
        PlannedPath there, back;
        ASSERT_TRUE(AddArcNodes(there, pair[0], pair[1]));
        ASSERT_TRUE(AddArcNodes(back, pair[1], pair[0]));
        ASSERT_EQ(there.nodes.size(), back.nodes.size());
        for (std::size_t i = 0; i < there.nodes.size(); ++i) {
            ExpectNear(there.nodes[i].position, back.nodes[back.nodes.size() - 1 - i].position);
        }
        const double to_start = Distance(there.nodes.front().position, CellCentre(pair[0], 0.3));
        const double to_end = Distance(there.nodes.front().position, CellCentre(pair[1], 0.3));
        EXPECT_LT(to_start, to_end) << pair[0] << "->" << pair[1];
    }
}

TEST(PlanCaptureFlight, ArcArrivalOnRowSixSendsTheVictimIntoTheBoard) {
    const PlannedPath flight = PlanCaptureFlight(CellCentre(35, 0.2), 35, 1, -1, false);
    EXPECT_EQ(flight.name, "PRISE");
    ASSERT_EQ(flight.nodes.size(), 2u);
    ExpectNear(flight.nodes[1].position, {0.75, 3.0, -5.0});
    EXPECT_EQ(flight.nodes[0].speed, 2.0);
    EXPECT_EQ(flight.nodes[1].speed, 8.0);
    EXPECT_NEAR(Length(flight), 6.849, 5e-4);
}

TEST(PlanCaptureFlight, StraightArrivalKeepsTheOtherCoordinate) {
    // Down column 2 from 2 onto 8: towards Z = 5 with its own x.
    ExpectNear(PlanCaptureFlight(CellCentre(8, 0.2), 8, 5, 2, false).nodes[1].position,
               {-0.75, 3.0, 5.0});
    // Up a column, and along a row both ways.
    ExpectNear(PlanCaptureFlight(CellCentre(8, 0.2), 8, 5, 14, false).nodes[1].position,
               {-0.75, 3.0, -5.0});
    ExpectNear(PlanCaptureFlight(CellCentre(9, 0.2), 9, 5, 8, false).nodes[1].position,
               {5.0, 3.0, -0.75});
    ExpectNear(PlanCaptureFlight(CellCentre(9, 0.2), 9, 5, 10, false).nodes[1].position,
               {-5.0, 3.0, -0.75});
}

TEST(PlanCaptureFlight, ArcArrivalsFollowTheEdgeOfTheLandingCell) {
    ExpectNear(PlanCaptureFlight(CellCentre(30, 0.2), 30, 3, -1, true).nodes[1].position,
               {-5.0, 3.0, 0.75});
    ExpectNear(PlanCaptureFlight(CellCentre(12, 0.2), 12, 3, -1, true).nodes[1].position,
               {-5.0, 3.0, -0.75});
    ExpectNear(PlanCaptureFlight(CellCentre(3, 0.2), 3, 3, -1, true).nodes[1].position,
               {-0.25, 3.0, 5.0});
    ExpectNear(PlanCaptureFlight(CellCentre(19, 0.2), 19, 3, -1, true).nodes[1].position,
               {5.0, 3.0, 0.25});
}

TEST(PlanCaptureFlight, WithoutARouteVictimsLineUpBesideTheBoard) {
    // A Red victim goes to the left, a White one to the right; the first at Z = -3.0.
    ExpectNear(PlanCaptureFlight(CellCentre(15, 0.2), 15, 12, -1, true).nodes[1].position,
               {-5.0, 3.0, -3.0});
    ExpectNear(PlanCaptureFlight(CellCentre(15, 0.2), 15, 11, -1, false).nodes[1].position,
               {5.0, 3.0, -2.5});
}

}  // namespace
}  // namespace circumvia::scene
