#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "scene/board/board_scene.h"
#include "scene/picking.h"
#include "scene/projection.h"

namespace circumvia::scene {
namespace {

// The board with its 24 pieces seen through its start-up camera at the designed size.
class BoardPicking : public ::testing::Test {
protected:
    BoardPicking() { board.CreateSceneObjects(); }

    TView View() const { return TView(*board.Camera, 668, 478); }
    // The pixel on which a point of the slab's frame is drawn.
    std::pair<int, int> PixelOf(Vec3 on_plateau) const {
        const ScreenPoint p =
            View().Project(board.Plateau->AbsoluteMatrix().TransformPoint(on_plateau));
        return {static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y))};
    }
    TSceneObject* PickAt(Vec3 on_plateau) {
        const auto [x, y] = PixelOf(on_plateau);
        return PickNearest(board.Scene().Root(), View(), x, y);
    }
    std::vector<PickHit> PickAround(Vec3 on_plateau, int capacity) {
        const auto [x, y] = PixelOf(on_plateau);
        return PickObjects(board.Scene().Root(), View(), {x - 2, y - 2, x + 2, y + 2}, capacity);
    }
    static Vec3 Cell(int cell, double height) { return {CellX(cell), height, CellZ(cell)}; }

    TBoardScene board;
};

TEST_F(BoardPicking, NearestOverEmptyBackgroundIsNone) {
    EXPECT_EQ(PickNearest(board.Scene().Root(), View(), 3, 3), nullptr);
}

TEST_F(BoardPicking, APieceIsReportedAsItsProxyNotItsMaster) {
    TSceneObject* picked = PickAt(Cell(25, kRestingPieceHeight));
    ASSERT_NE(picked, nullptr);
    EXPECT_EQ(picked->Name(), "JR1");
    EXPECT_EQ(picked->Tag(), 25);
    EXPECT_EQ(PickAt(Cell(12, kRestingPieceHeight))->Name(), "JB12");
}

TEST_F(BoardPicking, AnEmptyCellIsPickedThroughItsMarker) {
    TSceneObject* picked = PickAt(Cell(15, kMarkerHeight));
    ASSERT_NE(picked, nullptr);
    EXPECT_EQ(picked->Name(), "PL15");
}

TEST_F(BoardPicking, TheRectangleListsEveryHitNearestFirst) {
    const auto hits = PickAround(Cell(25, kRestingPieceHeight), 10);
    std::vector<std::string> names;
    for (const PickHit& hit : hits) names.push_back(hit.object->Name());
    ASSERT_GE(names.size(), 4u);
    EXPECT_EQ(names[0], "JR1");
    EXPECT_EQ(names[1], "PL25");
    EXPECT_TRUE(std::is_sorted(hits.begin(), hits.end(), [](const PickHit& a, const PickHit& b) {
        return a.depth < b.depth;
    }));
    const auto position = [&names](const char* name) {
        return std::find(names.begin(), names.end(), name) - names.begin();
    };
    // Lines at 0.11 above the top plate at 0.105, above the slab's top face at 0.1.
    EXPECT_LT(position("L5"), position("Dessus"));
    EXPECT_LT(position("Dessus"), position("Plateau"));
}

TEST_F(BoardPicking, TheRectangleKeepsTheNearestUpToItsCapacity) {
    const auto hits = PickAround(Cell(25, kRestingPieceHeight), 2);
    ASSERT_EQ(hits.size(), 2u);
    EXPECT_EQ(hits[0].object->Name(), "JR1");
    EXPECT_EQ(hits[1].object->Name(), "PL25");
}

TEST_F(BoardPicking, HiddenMastersArePickableThroughTheirProxiesOnly) {
    // JetonR stands hidden at the slab's origin, between cells 15, 16, 21 and 22.
    TSceneObject* picked = PickAt({0, 0.2, 0});
    ASSERT_NE(picked, nullptr);
    EXPECT_NE(picked, board.JetonR);
    // A proxy brought there is picked as itself.
    board.SceneObjects[kFirstRedPiece]->SetPosition({0, 0.2, 0});
    EXPECT_EQ(PickAt({0, 0.2, 0}), board.SceneObjects[kFirstRedPiece]);
}

TEST_F(BoardPicking, AHiddenProxyIsNotPicked) {
    TSceneObject* piece = board.SceneObjects[kFirstRedPiece];
    piece->SetVisible(false);
    EXPECT_EQ(PickAt(Cell(25, kRestingPieceHeight))->Name(), "PL25");
}

TEST_F(BoardPicking, AShownArrowMarkerIsPickedAboveItsCell) {
    TSceneObject* marker = board.SceneObjects[kFirstArrowMarker];
    marker->SetPosition(Cell(15, kArrowMarkerHeight));
    marker->SetPitchAngle(270);
    marker->SetVisible(true);
    marker->SetTag(15);
    // The arrow lies over the cell pointing to row 1; its shaft crosses the cell centre.
    EXPECT_EQ(PickAt(Cell(15, kArrowMarkerHeight)), marker);
}

TEST(FlatShapePicking, FlatShapesAreHitFromTheirFrontOnly) {
    TPlane plane;
    EXPECT_TRUE(plane.IntersectLocal({{0, 0, 1}, {0, 0, -1}}).has_value());
    EXPECT_FALSE(plane.IntersectLocal({{0, 0, -1}, {0, 0, 1}}).has_value());
    TDisk disk;
    EXPECT_TRUE(disk.IntersectLocal({{0.2, 0, 1}, {0, 0, -1}}).has_value());
    EXPECT_FALSE(disk.IntersectLocal({{0.2, 0, -1}, {0, 0, 1}}).has_value());
}

TEST(FlatShapePicking, APartialDiskIsHitOnlyWithinItsSweep) {
    TDisk arc;
    arc.SetInnerRadius(0.45);
    arc.SetOuterRadius(0.55);
    arc.SetStartAngle(170);
    arc.SetSweepAngle(280);  // 170 round through 360 to 90
    const auto hit_at = [&arc](double degrees) {
        const double a = degrees * 3.14159265358979 / 180;
        return arc.IntersectLocal({{0.5 * std::sin(a), 0.5 * std::cos(a), 1}, {0, 0, -1}})
            .has_value();
    };
    EXPECT_TRUE(hit_at(180));
    EXPECT_TRUE(hit_at(270));
    EXPECT_TRUE(hit_at(0));
    EXPECT_TRUE(hit_at(89));
    EXPECT_FALSE(hit_at(135));  // the gap inside the grid's corner
    EXPECT_FALSE(hit_at(100));
}

TEST(SolidPicking, LightsCamerasAndGroupsHaveNoSurface) {
    const Ray through_origin{{0, 0, 5}, {0, 0, -1}};
    EXPECT_FALSE(TDummyCube().IntersectLocal(through_origin).has_value());
    EXPECT_FALSE(TLightSource().IntersectLocal(through_origin).has_value());
    EXPECT_FALSE(TCamera().IntersectLocal(through_origin).has_value());
    EXPECT_TRUE(TCube().IntersectLocal(through_origin).has_value());
    EXPECT_TRUE(TSphere().IntersectLocal(through_origin).has_value());
}

TEST(SolidPicking, RaysReturnTheNearestSurface) {
    EXPECT_NEAR(*TSphere().IntersectLocal({{0, 0, 5}, {0, 0, -1}}), 4.5, 1e-12);
    EXPECT_NEAR(*TCube().IntersectLocal({{0, 0, 5}, {0, 0, -2}}), 2.25, 1e-12);
    EXPECT_FALSE(TSphere().IntersectLocal({{0, 0, 5}, {0, 0, 1}}).has_value());  // behind
}

}  // namespace
}  // namespace circumvia::scene
