#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "assets/circuit_colours.h"
#include "scene/board/board_scene.h"
#include "scene/draw_list.h"
#include "scene_test_support.h"

namespace circumvia::scene {
namespace {

class BoardScene : public ::testing::Test {
protected:
    BoardScene() { board.CreateSceneObjects(); }
    TSceneObject& Entry(int index) { return *board.SceneObjects.at(index); }

    TBoardScene board;
};

TEST_F(BoardScene, CellMarkersAreNamedTaggedAndPlacedByTheCellMapping) {
    for (int cell = 1; cell <= 36; ++cell) {
        TSceneObject& marker = Entry(cell);
        EXPECT_EQ(marker.Name(), "PL" + std::to_string(cell));
        EXPECT_EQ(marker.Tag(), cell);
        EXPECT_EQ(marker.Parent(), board.Plateau);
        ASSERT_NE(dynamic_cast<TDisk*>(&marker), nullptr);
    }
    ExpectNear(Entry(8).Position(), {-0.75, 0.12, -0.75}, 1e-12);
    ExpectNear(Entry(29).Position(), {0.75, 0.12, 0.75}, 1e-12);
    ExpectNear(Entry(1).Position(), {-1.25, 0.12, -1.25}, 1e-12);
    ExpectNear(Entry(36).Position(), {1.25, 0.12, 1.25}, 1e-12);
}

TEST_F(BoardScene, CellMarkersAreSmallBlackDiscsLyingFlat) {
    auto& marker = dynamic_cast<TDisk&>(Entry(8));
    EXPECT_EQ(marker.OuterRadius(), 0.08);
    EXPECT_EQ(marker.InnerRadius(), 0);
    EXPECT_EQ(marker.OwnMaterial().front.diffuse, (Color{0, 0, 0, 1}));
    EXPECT_TRUE(marker.MaterialName().empty());
    ExpectNear(marker.Direction(), {0, 1, 0});
    ExpectNear(marker.Up(), {0, 0, -1});
}

TEST_F(BoardScene, PiecesStandOnTheStartCellsAsProxiesOfHiddenMasters) {
    for (int j = 1; j <= 12; ++j) {
        auto* red = dynamic_cast<TProxyObject*>(&Entry(kFirstRedPiece + j - 1));
        auto* white = dynamic_cast<TProxyObject*>(&Entry(kFirstWhitePiece + j - 1));
        ASSERT_NE(red, nullptr);
        ASSERT_NE(white, nullptr);
        EXPECT_EQ(red->Name(), "JR" + std::to_string(j));
        EXPECT_EQ(red->Tag(), 24 + j);
        EXPECT_EQ(red->Master(), board.JetonR);
        ExpectNear(red->Position(), {CellX(24 + j), 0.2, CellZ(24 + j)}, 1e-12);
        EXPECT_EQ(white->Name(), "JB" + std::to_string(j));
        EXPECT_EQ(white->Tag(), j);
        EXPECT_EQ(white->Master(), board.JetonB);
        ExpectNear(white->Position(), {CellX(j), 0.2, CellZ(j)}, 1e-12);
    }
    EXPECT_FALSE(board.JetonR->Visible());
    EXPECT_FALSE(board.JetonB->Visible());
    EXPECT_EQ(board.JetonR->MaterialName(), "Jrouge");
    EXPECT_TRUE(board.JetonB->MaterialName().empty());
}

TEST_F(BoardScene, ArrowMarkersAreHiddenProxiesOfTheArrow) {
    for (int k = 1; k <= 15; ++k) {
        auto* marker = dynamic_cast<TProxyObject*>(&Entry(kFirstArrowMarker + k - 1));
        ASSERT_NE(marker, nullptr);
        EXPECT_EQ(marker->Name(), "FL" + std::to_string(k));
        EXPECT_FALSE(marker->Visible());
        EXPECT_EQ(marker->Master(), board.Fleche);
        EXPECT_EQ(marker->Tag(), 0);
    }
}

TEST_F(BoardScene, TheTableHoldsSeventyFiveDistinctObjectsFoundByName) {
    for (int index = 1; index <= kSceneObjectCount; ++index) {
        TSceneObject& object = Entry(index);
        EXPECT_EQ(board.Scene().FindObject(object.Name()), &object) << index;
    }
    EXPECT_EQ(board.SceneObjects[0], nullptr);
}

TEST_F(BoardScene, ChildrenOfTheSlabAreDrawnInLayoutOrderThenTheObjectsMadeInCode) {
    std::vector<std::string> names;
    for (const auto& child : board.Plateau->Children()) names.push_back(child->Name());
    const std::vector<std::string> fixed = {
        "Select1", "Disk1",  "Disk2",  "Disk3",  "Disk4",  "Disk5",        "Disk6",
        "Disk7",   "Disk8",  "L2",     "L3",     "L4",     "L5",           "C1",
        "C2",      "C3",     "C4",     "C5",     "C6",     "L1",           "L6",
        "Bordure", "JetonR", "JetonB", "Dessus", "Fleche", "LastMoveFrom", "LastMoveTo"};
    ASSERT_EQ(names.size(), fixed.size() + kSceneObjectCount);
    EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + fixed.size()), fixed);
    EXPECT_EQ(names[fixed.size()], "PL1");
    EXPECT_EQ(names.back(), "FL15");
}

TEST_F(BoardScene, FixedObjectsHaveTagZeroAndTheirPlaces) {
    for (const char* name : {"DummyCube", "Plateau", "Select1", "Disk1", "L1", "C6", "Bordure",
                             "JetonR", "JetonB", "Dessus", "Fleche", "LightSource1", "Camera"}) {
        TSceneObject* object = board.Scene().FindObject(name);
        ASSERT_NE(object, nullptr) << name;
        EXPECT_EQ(object->Tag(), 0) << name;
    }
    ExpectNear(board.Plateau->Position(), {0, -0.5, 0});
    ExpectNear(board.Plateau->Size(), {5.5, 0.2, 5.5});
    ExpectNear(board.Scene().FindObject("L5")->Position(), {0, 0.11, 0.75});
    ExpectNear(board.Scene().FindObject("C1")->Position(), {-1.25, 0.11, 0});
    EXPECT_EQ(board.Scene().FindObject("C1")->MaterialName(), "Lext");
    EXPECT_EQ(board.Scene().FindObject("L3")->MaterialName(), "Lbleu");
    EXPECT_EQ(board.Scene().FindObject("C5")->MaterialName(), "Lrouge");
    EXPECT_EQ(board.LightSource1->Parent(), board.DummyCube);
    ExpectNear(board.LightSource1->Position(), {0, 4, 0});
    EXPECT_EQ(board.Camera->Parent(), &board.Scene().Root());
}

TEST_F(BoardScene, TheBoardGroupLeansTowardsTheViewer) {
    // Row 6 (z = +1.25 on the slab) comes down towards the viewer, row 1 rises.
    const Mat4 slab = board.Plateau->AbsoluteMatrix();
    const Vec3 row6 = slab.TransformPoint({0, 0, 1.25});
    const Vec3 row1 = slab.TransformPoint({0, 0, -1.25});
    EXPECT_LT(row6.y, row1.y);
    EXPECT_GT(row6.z, row1.z);
    ExpectNear(board.DummyCube->Up(), {0, 0.694658, 0.71934}, 1e-6);
}

// A point of an arc's centre line, `degrees` along from -Z towards +X, in the slab's frame.
Vec3 ArcPoint(const TDisk& arc, double degrees) {
    const double a = degrees * 3.14159265358979323846 / 180;
    const double r = (arc.InnerRadius() + arc.OuterRadius()) / 2;
    return arc.LocalMatrix().TransformPoint({r * std::sin(a), r * std::cos(a), 0});
}

TEST_F(BoardScene, CornerArcsJoinTheLineEndsAroundTheOutsideOfTheCorner) {
    const TDisk& small = *board.Disk[1];
    const TDisk& large = *board.Disk[2];
    // Disk1 ends at the end of column line C2 (cell 2) and passes the end of row line L2
    // (cell 7) ten degrees before its start.
    ExpectNear(ArcPoint(small, small.StartAngle() + small.SweepAngle()), {-0.75, 0.11, -1.25});
    ExpectNear(ArcPoint(small, 180), {-1.25, 0.11, -0.75});
    ExpectNear(ArcPoint(small, 270), {-1.75, 0.11, -1.25});  // outside the grid
    ExpectNear(ArcPoint(large, 90), {-0.25, 0.11, -1.25});   // cell 3
    ExpectNear(ArcPoint(large, 180), {-1.25, 0.11, -0.25});  // cell 13
    EXPECT_EQ(small.Slices(), 24);
    EXPECT_DOUBLE_EQ(large.InnerRadius(), 0.95);
    EXPECT_DOUBLE_EQ(large.OuterRadius(), 1.05);
}

TEST_F(BoardScene, TheBorderIsASquareFrameAlongTheSlabEdges) {
    const Mat4 frame = board.Bordure->LocalMatrix();
    // Ring vertex 0 (own +X) lies on a diagonal at distance 3.8.
    ExpectNear(frame.TransformPoint({3.8, 0, 0}), {2.687, 0.1, -2.687}, 1e-3);
    // The middle of a side lies 3.8 x 0.707107 from the centre, along an axis.
    const Vec3 side =
        (frame.TransformPoint({3.8, 0, 0}) + frame.TransformPoint({0, -3.8, 0})) * 0.5;
    EXPECT_NEAR(std::abs(side.x) + std::abs(side.z), 2.687, 1e-3);
    EXPECT_TRUE(std::abs(side.x) < 1e-6 || std::abs(side.z) < 1e-6);
}

TEST_F(BoardScene, StartUpCameraLooksAtTheBoardGroupOrthogonally) {
    EXPECT_EQ(board.Camera->Style(), CameraStyle::kOrthogonal);
    EXPECT_EQ(board.Camera->FocalLength(), 10);
    EXPECT_EQ(board.Camera->DepthOfView(), 20);
    ExpectNear(board.Camera->Position(), {0, 10, 10});
    EXPECT_EQ(board.Camera->Target(), board.DummyCube);
}

TEST_F(BoardScene, LightsAreSpotsPointingAtTheBoard) {
    EXPECT_EQ(board.LightSource1->SpotCutOff(), 35);
    ExpectNear(board.LightSource1->SpotDirection(), {0, -1, 0});
    EXPECT_TRUE(board.LightSource1->Shining());
    EXPECT_EQ(board.Select1->SpotCutOff(), 40);
    EXPECT_FALSE(board.Select1->Shining());
    EXPECT_EQ(board.Select1->Diffuse(), (Color{1, 0.43f, 0.78f, 1}));
    EXPECT_EQ(board.Select1->Specular(), (Color{1, 1, 1, 1}));
}

TEST(BoardMaterials, EightMaterialsWithTheirColours) {
    TBoardScene board;
    const TMaterialLibrary& library = board.Scene().Materials();
    EXPECT_EQ(library.Count(), 8);
    // The circuits opaque in the one scheme the flat diagrams and the rules pages share.
    const std::pair<const char*, assets::CircuitColour> circuits[] = {
        {"Lrouge", assets::kInnerCircuitColour}, {"Lbleu", assets::kOuterCircuitColour}};
    for (const auto& [name, colour] : circuits) {
        const TMaterial* lines = library.Find(name);
        ASSERT_NE(lines, nullptr);
        EXPECT_EQ(lines->blending, BlendingMode::kOpaque);
        EXPECT_EQ(lines->front.diffuse,
                  (Color{colour.red / 255.0f, colour.green / 255.0f, colour.blue / 255.0f, 1}));
    }
    const TMaterial* red = library.Find("Jrouge");
    EXPECT_EQ(red->blending, BlendingMode::kOpaque);
    EXPECT_EQ(red->front.ambient, (Color{1, 0.498039f, 0, 1}));
    EXPECT_EQ(red->back.emission, (Color{0.36f, 0.2f, 0.09f, 1}));
    EXPECT_EQ(library.Find("Pdessus")->front.emission, (Color{0.258824f, 0.435294f, 0.258824f, 1}));
    EXPECT_EQ(library.Find("Fleche")->back.diffuse, (Color{0.576471f, 0.858824f, 0.439216f, 1}));
}

TEST(BoardMaterials, OnlyTheSlabAndTopPlateCarryPictures) {
    auto dark = std::make_shared<TPicture>();
    auto light = std::make_shared<TPicture>();
    TBoardScene board({dark, light});
    const TMaterialLibrary& library = board.Scene().Materials();
    EXPECT_EQ(library.Find("Plateau")->texture.picture, dark);
    EXPECT_TRUE(library.Find("Plateau")->texture.enabled);
    EXPECT_EQ(library.Find("Pdessus")->texture.picture, light);
    for (const char* name : {"Lext", "Lbleu", "Lrouge", "Jrouge", "Fleche"}) {
        EXPECT_EQ(library.Find(name)->texture.picture, nullptr) << name;
    }
}

TEST(BoardMaterials, TwoTextureSwitchesBringBackTheFirstLook) {
    TBoardScene board({std::make_shared<TPicture>(), std::make_shared<TPicture>()});
    TMaterialLibrary& library = board.Scene().Materials();
    library.SetTexturesEnabled(false);
    for (int i = 0; i < library.Count(); ++i) EXPECT_FALSE(library.At(i).texture.enabled);
    library.SetTexturesEnabled(true);
    EXPECT_TRUE(library.Find("Plateau")->texture.enabled);
    EXPECT_TRUE(library.Find("Pdessus")->texture.enabled);
}

}  // namespace
}  // namespace circumvia::scene
