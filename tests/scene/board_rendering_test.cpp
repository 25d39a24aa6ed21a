// Draws the board scene in a real OpenGL viewport (under the X server the test script
// provides) and looks at the pixels where the cell mapping puts things.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QTest>
#include <cmath>

#include "scene/board/board_resources.h"
#include "scene/board/board_scene.h"
#include "scene/gl/scene_viewer.h"

namespace circumvia::scene {
namespace {

class BoardRendering : public ::testing::Test {
protected:
    BoardRendering() : board(LoadBoardPictures()), viewer(board.Scene()) {
        board.CreateSceneObjects();
        viewer.SetCamera(board.Camera);
        viewer.resize(668, 478);
        viewer.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    }

    // The pixel of the frame where a point of the slab's frame is drawn.
    QPoint PixelOf(Vec3 on_plateau) const {
        const ScreenPoint p =
            viewer.View().Project(board.Plateau->AbsoluteMatrix().TransformPoint(on_plateau));
        return {static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y))};
    }
    QColor ColorAt(const QImage& frame, Vec3 on_plateau) const {
        const QPoint p = PixelOf(on_plateau) * frame.devicePixelRatio();
        return frame.pixelColor(p);
    }
    static Vec3 Cell(int cell, double height) { return {CellX(cell), height, CellZ(cell)}; }
    // Halfway between two neighbouring cells of a row, on the row's line.
    static Vec3 Between(int a, int b) {
        return {(CellX(a) + CellX(b)) / 2, 0.11, (CellZ(a) + CellZ(b)) / 2};
    }

    // Background, pieces, a circuit line, the top plate and an empty cell's marker each
    // show their own colour where the cell mapping puts them.
    void ExpectColoursWhereTheyBelong(const QImage& frame) const {
        const QColor background = frame.pixelColor(2, 2);
        EXPECT_LT(background.red() + background.green() + background.blue(), 30);

        for (int cell : {25, 30, 33, 36}) {
            const QColor red = ColorAt(frame, Cell(cell, 0.2));
            EXPECT_GT(red.red(), 60) << cell;
            EXPECT_GT(red.red(), 2 * red.green()) << cell;
            EXPECT_GT(red.red(), 2 * red.blue()) << cell;
        }
        for (int cell : {1, 3, 8, 12}) {
            const QColor white = ColorAt(frame, Cell(cell, 0.2));
            EXPECT_GT(std::min({white.red(), white.green(), white.blue()}), 110) << cell;
            EXPECT_LT(std::max({white.red(), white.green(), white.blue()}) -
                          std::min({white.red(), white.green(), white.blue()}),
                      40)
                << cell;
        }
        // The outer circuit's line of row 3, plainly blue, against the light, reddish wood of
        // the top plate between the lines.
        const QColor outer_line = ColorAt(frame, Between(14, 15));
        EXPECT_GT(outer_line.blue(), outer_line.green());
        EXPECT_GT(outer_line.blue(), outer_line.red() + 60);
        const QColor top_plate = ColorAt(frame, {-0.5, 0.105, 0});
        EXPECT_GT(top_plate.red(), 150);
        EXPECT_GT(top_plate.red(), top_plate.blue() + 40);
        // An empty cell shows its black marker.
        const QColor marker = ColorAt(frame, Cell(15, 0.12));
        EXPECT_LT(marker.lightness(), 60);
    }

    TBoardScene board;
    TSceneViewer viewer;
};

TEST_F(BoardRendering, SnapshotHasTheViewportsSize) {
    const QImage frame = viewer.Snapshot();
    EXPECT_EQ(frame.size(), viewer.size() * viewer.devicePixelRatio());
}

TEST_F(BoardRendering, PiecesLinesAndBackgroundShowWhereTheCellMappingPutsThem) {
    ExpectColoursWhereTheyBelong(viewer.Snapshot());
}

// Every quality the viewer can choose draws the same board: multisampled or not, with
// either texture filtering.
TEST_F(BoardRendering, ColoursStayWhereTheyBelongAtEveryQuality) {
    const struct {
        RenderQuality quality;
        int samples;
    } cases[] = {
        {kFullQuality, 4},
        {kSoftwareLargeQuality, 0},
        {{0, TextureFiltering::kTrilinear}, 0},
        {{4, TextureFiltering::kBilinear}, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.quality.samples << " samples, filtering "
                                        << static_cast<int>(c.quality.filtering));
        viewer.ForceRenderQuality(c.quality);
        ExpectColoursWhereTheyBelong(viewer.Snapshot());
        EXPECT_EQ(viewer.LastRenderQuality(), c.quality);
        EXPECT_EQ(viewer.LastDrawnSamples(), c.samples);
    }
}

// A large viewport, with whatever quality the renderer chooses for it.
TEST_F(BoardRendering, ColoursStayWhereTheyBelongInALargeViewport) {
    viewer.resize(1280, 960);
    const QImage frame = viewer.Snapshot();
    EXPECT_EQ(frame.size(), QSize(1280, 960) * viewer.devicePixelRatio());
    ExpectColoursWhereTheyBelong(frame);
}

// Moved into another window and back, the viewer still draws the whole board, whether its
// native window goes along or is made anew with a new context and new lists and textures.
TEST_F(BoardRendering, AViewerMovedIntoAnotherWindowStillDrawsTheBoard) {
    QWidget other;
    other.resize(668, 478);
    viewer.setParent(&other);
    viewer.resize(668, 478);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    ExpectColoursWhereTheyBelong(viewer.Snapshot());
    viewer.setParent(nullptr);
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    ExpectColoursWhereTheyBelong(viewer.Snapshot());
}

TEST_F(BoardRendering, WithoutTexturesTheTopPlateTurnsFlatGreen) {
    board.Scene().Materials().SetTexturesEnabled(false);
    const QColor top_plate = ColorAt(viewer.Snapshot(), {-0.5, 0.105, 0});
    EXPECT_GT(top_plate.green(), top_plate.red() + 30);
    EXPECT_GT(top_plate.green(), top_plate.blue() + 30);
}

TEST_F(BoardRendering, PickingFindsThePieceDrawnUnderThePointer) {
    const QPoint p = PixelOf(Cell(30, 0.2));
    TSceneObject* picked = viewer.GetPickedObject(p.x(), p.y());
    ASSERT_NE(picked, nullptr);
    EXPECT_EQ(picked->Name(), "JR6");
    EXPECT_EQ(viewer.GetPickedObject(2, 2), nullptr);
    const auto hits = viewer.GetPickedObjects(QRect(p - QPoint(2, 2), p + QPoint(2, 2)), 10);
    ASSERT_FALSE(hits.empty());
    EXPECT_EQ(hits.front().object, picked);
}

}  // namespace
}  // namespace circumvia::scene
