// Playing with the mouse: clicks on the real viewport, found by picking.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <QWindow>

#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

using testing::MainFormTest;

class MainFormInputTest : public MainFormTest {
protected:
    // The viewport pixel where an object's centre is drawn.
    QPoint PixelOf(const scene::TSceneObject& object) {
        const scene::ScreenPoint p = window.Viewer().View().Project(object.AbsolutePosition());
        return {static_cast<int>(p.x), static_cast<int>(p.y)};
    }
    QPoint PixelOfCell(int cell) {
        return PixelOf(*window.Board().SceneObjects[scene::kFirstCellMarker + cell - 1]);
    }
    QPoint PixelOfPieceOn(int cell) {
        for (int i = scene::kFirstRedPiece; i < scene::kFirstArrowMarker; ++i) {
            const scene::TSceneObject& piece = *window.Board().SceneObjects[i];
            if (piece.Tag() == cell) return PixelOf(piece);
        }
        ADD_FAILURE() << "no piece on " << cell;
        return {};
    }
    void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(&window.Viewer(), button, Qt::NoModifier, at);
    }
    int VisibleMarkers() {
        int shown = 0;
        for (int k = 0; k < scene::kArrowMarkerCount; ++k) {
            shown += window.Board().SceneObjects[scene::kFirstArrowMarker + k]->Visible();
        }
        return shown;
    }
};

TEST_F(MainFormInputTest, ClickingAPieceSelectsItAndMarksItsDestinations) {
    StartGame();
    Click(PixelOfPieceOn(26));
    EXPECT_EQ(window.Turn().Phase(), kPieceSelected);
    EXPECT_EQ(window.Turn().MoveFrom(), 26);
    EXPECT_EQ(window.PossibleMoves().size(), 3u);
    EXPECT_EQ(VisibleMarkers(), 3);
    EXPECT_TRUE(window.Board().Select1->Shining());
}

TEST_F(MainFormInputTest, ClickingADestinationDiskPlaysTheMove) {
    StartGame();
    Click(PixelOfPieceOn(26));
    Click(PixelOfCell(20), Qt::RightButton);  // any button will do
    EXPECT_EQ(window.Game().Current, 1);
    EXPECT_EQ(window.Game().History[1].From, 26);
    EXPECT_EQ(window.Game().History[1].To, 20);
    EXPECT_EQ(window.Turn().Phase(), kMoveUnderWay);
    EXPECT_EQ(window.Turn().MoveFrom(), 0);
    EXPECT_EQ(VisibleMarkers(), 0);
}

TEST_F(MainFormInputTest, ClickingTheArrowMarkerPlaysTheMove) {
    StartGame();
    Click(PixelOfPieceOn(27));
    const scene::TSceneObject* marker = nullptr;
    for (int k = 0; k < scene::kArrowMarkerCount; ++k) {
        const scene::TSceneObject* m = window.Board().SceneObjects[scene::kFirstArrowMarker + k];
        if (m->Tag() == 21) marker = m;
    }
    ASSERT_NE(marker, nullptr);
    Click(PixelOf(*marker));
    EXPECT_EQ(window.Game().Current, 1);
    EXPECT_EQ(window.Game().History[1].To, 21);
}

TEST_F(MainFormInputTest, ClickingTheEnemyPieceOnADestinationCaptures) {
    StartGame();
    SetBoard({{2, kRed}, {35, kWhite}, {36, kWhite}});
    Click(PixelOfPieceOn(2));
    Click(PixelOfPieceOn(35));
    EXPECT_EQ(window.Game().Current, 1);
    EXPECT_EQ(window.Game().Pos[35], kRed);
    EXPECT_EQ(window.Game().PlayerOf(kWhite).Pieces, 1);
}

// Seen in perspective, an arrow floating above its cell was drawn over the piece of the
// row behind, and a click on that piece played the arrow's move.
TEST_F(MainFormInputTest, PerspectiveClicksOnPiecesNearArrowsNeverPlayTheArrowsMove) {
    struct Case {
        bool half_turned;
        Side side;
        int selected;
        int clicked;  // a piece that is no destination of the selected one
    };
    const Case cases[] = {
        {false, kRed, 33, 21},  {false, kRed, 21, 9}, {false, kWhite, 10, 11},
        {false, kWhite, 13, 8}, {true, kRed, 21, 33}, {true, kRed, 29, 28},
        {true, kWhite, 9, 21},
    };
    StartGame();
    ASSERT_TRUE(window.Menu().Vue3D->isChecked());
    // After E 3->D 3 and B 1->C 1.
    SetBoard({{1, kWhite}, {2, kWhite}, {3, kWhite},  {4, kWhite},  {5, kWhite},  {6, kWhite},
              {8, kWhite}, {9, kWhite}, {10, kWhite}, {11, kWhite}, {12, kWhite}, {13, kWhite},
              {21, kRed},  {25, kRed},  {26, kRed},   {28, kRed},   {29, kRed},   {30, kRed},
              {31, kRed},  {32, kRed},  {33, kRed},   {34, kRed},   {35, kRed},   {36, kRed}});
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.selected << " then " << c.clicked);
        if (c.half_turned != (window.Board().Plateau->TurnAngle() != 0)) window.Inverser1Click();
        window.Game().SideToMove = c.side;
        Click(PixelOfPieceOn(c.selected));
        ASSERT_EQ(window.Turn().MoveFrom(), c.selected);
        Click(PixelOfPieceOn(c.clicked));
        EXPECT_EQ(window.Game().Current, 0);
        EXPECT_EQ(window.Turn().Phase(), kNoSelection);
    }
}

TEST_F(MainFormInputTest, AMissDropsTheSelection) {
    StartGame();
    Click(PixelOfPieceOn(26));
    Click(PixelOfPieceOn(27));  // another own piece only drops the selection
    EXPECT_EQ(window.Turn().Phase(), kNoSelection);
    EXPECT_EQ(window.Turn().MoveFrom(), 0);
    EXPECT_EQ(VisibleMarkers(), 0);
    EXPECT_FALSE(window.Board().Select1->Shining());
    Click(PixelOfPieceOn(27));  // a further click selects it
    EXPECT_EQ(window.Turn().MoveFrom(), 27);
    Click({2, 2});  // the black background
    EXPECT_EQ(window.Turn().Phase(), kNoSelection);
    EXPECT_EQ(window.Game().Current, 0);
}

TEST_F(MainFormInputTest, EnemyPiecesCannotBeSelected) {
    StartGame();
    Click(PixelOfPieceOn(8));
    EXPECT_EQ(window.Turn().Phase(), kNoSelection);
}

TEST_F(MainFormInputTest, ClicksAreIgnoredOutsideTheHumansTurn) {
    Click(PixelOfPieceOn(26));  // before the first tick
    EXPECT_EQ(window.Turn().Phase(), kNoSelection);
    StartGame();
    Click(PixelOfPieceOn(26));
    Click(PixelOfCell(20));
    ASSERT_EQ(window.Game().Current, 1);
    Click(PixelOfPieceOn(25));  // while the move glides
    EXPECT_EQ(window.Turn().MoveFrom(), 0);
    FinishAnimations();
    Tick(2);  // finish, turn start: the computer's turn
    ASSERT_EQ(window.Turn().State(), LoopState::ComputerTurn);
    Click(PixelOfPieceOn(25));
    EXPECT_EQ(window.Turn().MoveFrom(), 0);
    window.Game().Result = kWhiteWon;
    RunUntilHumanTurn();
    Click(PixelOfPieceOn(25));  // after the end
    EXPECT_EQ(window.Turn().MoveFrom(), 0);
}

TEST_F(MainFormInputTest, WithoutMarkersDestinationsStillTakeClicks) {
    StartGame();
    window.Menu().Coupsposs->trigger();
    ASSERT_FALSE(window.Menu().Coupsposs->isChecked());
    Click(PixelOfPieceOn(26));
    EXPECT_EQ(VisibleMarkers(), 0);
    EXPECT_EQ(window.PossibleMoves().size(), 3u);
    Click(PixelOfCell(19));
    EXPECT_EQ(window.Game().Current, 1);
}

TEST_F(MainFormInputTest, PointerTurnsIntoAHandOverWhatCanBeClicked) {
    StartGame();
    window.ViewerMouseMove(PixelOfPieceOn(26));
    EXPECT_EQ(window.Viewer().cursor().shape(), Qt::PointingHandCursor);
    window.ViewerMouseMove(PixelOfPieceOn(8));
    EXPECT_EQ(window.Viewer().cursor().shape(), Qt::ArrowCursor);
    Click(PixelOfPieceOn(26));
    window.ViewerMouseMove(PixelOfCell(20));
    EXPECT_EQ(window.Viewer().cursor().shape(), Qt::PointingHandCursor);
    window.ViewerMouseMove(PixelOfCell(17));  // not a destination
    EXPECT_EQ(window.Viewer().cursor().shape(), Qt::ArrowCursor);
}

// The board is shown by a native window inside the viewer: what the window system hands
// to that window reaches the game as if it came to the viewer, and the cursor follows.
TEST_F(MainFormInputTest, PointerKeysAndWheelOnTheBoardsOwnWindowReachTheGame) {
    StartGame();
    QWindow& board_window = window.Viewer().Window();
    QTest::mouseMove(&board_window, PixelOfPieceOn(26));
    EXPECT_EQ(board_window.cursor().shape(), Qt::PointingHandCursor);

    QTest::mouseClick(&board_window, Qt::LeftButton, Qt::NoModifier, PixelOfPieceOn(26));
    EXPECT_EQ(window.Turn().Phase(), kPieceSelected);
    EXPECT_EQ(window.Turn().MoveFrom(), 26);

    const double turn = window.Board().DummyCube->TurnAngle();
    QTest::keyClick(&board_window, Qt::Key_Left);
    EXPECT_EQ(window.Board().DummyCube->TurnAngle(), turn - 1);

    const double focal_length = window.Board().Camera->FocalLength();
    QWheelEvent wheel(QPointF(50, 50), board_window.mapToGlobal(QPointF(50, 50)), {},
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&board_window, &wheel);
    EXPECT_NE(window.Board().Camera->FocalLength(), focal_length);
}

}  // namespace
}  // namespace circumvia::control
