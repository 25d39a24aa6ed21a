// The player's comforts through the real window: the move list, animation speed, finishing
// an animation at once, the keys, double clicks, and what the window remembers.
#include <gtest/gtest.h>

#include <QMenuBar>
#include <QTest>
#include <QToolButton>
#include <QTreeView>
#include <QWindow>

#include "control/record/move_list.h"
#include "control/turns/turn_loop.h"
#include "scene/board/move_paths.h"
#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

using testing::MainFormTest;

class MainFormComfortTest : public MainFormTest {
protected:
    QPoint PixelOfPieceOn(int cell) {
        for (int i = scene::kFirstRedPiece; i < scene::kFirstArrowMarker; ++i) {
            const scene::TSceneObject& piece = *window.Board().SceneObjects[i];
            if (piece.Tag() == cell) {
                const scene::ScreenPoint p =
                    window.Viewer().View().Project(piece.AbsolutePosition());
                return {static_cast<int>(p.x), static_cast<int>(p.y)};
            }
        }
        ADD_FAILURE() << "no piece on " << cell;
        return {};
    }
    void ViewerEvent(QEvent::Type type, QPoint at) {
        QMouseEvent event(type, at, window.Viewer().mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&window.Viewer(), &event);
    }
    void ClickRow(int row) {
        QTreeView& list = window.MoveList().List();
        ASSERT_LT(row, window.MoveList().RowCount()) << "row " << row;
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                          window.MoveList().RowRect(row).center());
    }
    void Key(int key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(&window, &press);
    }
    // Human Red plays its first legal moves against the computer until the record holds
    // `moves` moves.
    void PlayAgainstTheComputer(int red_moves) {
        StartGame();
        for (int i = 0; i < red_moves; ++i) {
            const Tlcoup moves = ListAllMoves(window.Game().Pos, kRed);
            window.PlayMove(moves.front().From, moves.front().To);
            RunUntilHumanTurn();
        }
    }
    // Position, visibility and tag of every piece object.
    std::vector<std::tuple<double, double, double, bool, int>> Pieces() {
        std::vector<std::tuple<double, double, double, bool, int>> pieces;
        for (int i = scene::kFirstRedPiece; i < scene::kFirstArrowMarker; ++i) {
            const scene::TSceneObject& piece = *window.Board().SceneObjects[i];
            const scene::Vec3 at = piece.Position();
            pieces.emplace_back(at.x, at.y, at.z, piece.Visible(), piece.Tag());
        }
        return pieces;
    }
    // Counter, buttons and list agree with the record at `current` of `last`.
    void ExpectAt(int current, int last) {
        EXPECT_EQ(window.Game().Current, current);
        const QString counter = current < 1       ? QString()
                                : current == last ? QString::number(current)
                                                  : QStringLiteral("%1/%2").arg(current).arg(last);
        EXPECT_EQ(window.Menu().P_num->text(), counter);
        EXPECT_EQ(window.Menu().Coupprcdent1->isEnabled(), window.Game().CanStepBack());
        EXPECT_EQ(window.Menu().Coupsuivant1->isEnabled(), window.Game().CanStepForward());
        EXPECT_EQ(window.MoveList().HighlightedRow(), current);
        EXPECT_EQ(window.MoveList().List().currentIndex().row(), current);
        EXPECT_EQ(window.Turn().State(), LoopState::HumanTurn);
        EXPECT_EQ(window.Game().SideToMove, kRed);
    }
};

TEST_F(MainFormComfortTest, TheMoveListJumpsByTheRecordsOwnSteps) {
    window.Menu().Anglais1->trigger();
    PlayAgainstTheComputer(3);
    ASSERT_EQ(window.Game().Current, 6);
    window.MoveList().show();
    ASSERT_EQ(window.MoveList().RowCount(), 7);  // the start and six moves
    EXPECT_EQ(window.MoveList().Text(0, 0), "Start of the game");
    EXPECT_EQ(window.MoveList().Text(1, 1),
              QString::fromStdString(window.Game().PlayerOf(kRed).Name));
    ExpectAt(6, 6);

    ClickRow(2);  // a middle move where Red is to move
    ExpectAt(2, 6);
    const Position after_two = window.Game().History[2].Cells;
    EXPECT_EQ(window.Game().Pos, after_two);
    ClickRow(3);  // White's reply cannot be landed on: the nearest stop the way asked
    ExpectAt(4, 6);
    ClickRow(0);
    ExpectAt(0, 6);
    ClickRow(6);
    ExpectAt(6, 6);
    ClickRow(5);
    ExpectAt(4, 6);

    Key(Qt::Key_Home);
    ExpectAt(0, 6);
    Key(Qt::Key_End);
    ExpectAt(6, 6);

    // The list follows the language and a new move after stepping back, which is kept as
    // a variation under the move it replaces, the old line still listed.
    window.Menu().Allemand1->trigger();
    EXPECT_EQ(window.MoveList().windowTitle(), "Zugliste");
    EXPECT_EQ(window.MoveList().Text(0, 0), "Spielbeginn");
    ClickRow(2);
    const Tlcoup moves = ListAllMoves(window.Game().Pos, kRed);
    window.PlayMove(moves.back().From, moves.back().To);
    EXPECT_EQ(window.MoveList().RowCount(), 8);
    EXPECT_EQ(window.MoveList().HighlightedRow(), 4);
    EXPECT_TRUE(window.MoveList().Text(4, MoveListModel::kMoveColumn).startsWith("   ("));
}

// Past its first or last row the list keeps the arrows: they neither walk the board's
// cursor nor tilt the board behind it. Its rows read the mover's colour.
TEST_F(MainFormComfortTest, TheMoveListKeepsItsArrowsAtItsEndsAndReadsTheColour) {
    window.Menu().Anglais1->trigger();
    PlayAgainstTheComputer(1);
    window.SetKeyboardCursor(true);
    const int cursor = window.CursorCell();
    const double tilt = window.Board().DummyCube->PitchAngle();
    window.MoveList().show();
    QTreeView& list = window.MoveList().List();
    list.setFocus();
    for (const auto& [end, past] :
         {std::pair{Qt::Key_End, Qt::Key_Down}, std::pair{Qt::Key_Home, Qt::Key_Up}}) {
        QTest::keyClick(&list, end);
        QTest::keyClick(&list, past);
        QTest::keyClick(&list, past);
        EXPECT_EQ(window.CursorCell(), cursor);
        EXPECT_EQ(window.Board().DummyCube->PitchAngle(), tilt);
    }
    const QModelIndex red_mover = list.model()->index(1, MoveListModel::kMoverColumn);
    EXPECT_TRUE(red_mover.data(Qt::AccessibleTextRole).toString().startsWith("Red, "));
}

TEST_F(MainFormComfortTest, InstantPlaysACaptureInOneFrameWhereTheDesignedSpeedLeavesIt) {
    StartGame();
    window.Game().PlayerOf(kWhite).Kind = kHuman;
    const auto capture = [&] {
        SetBoard({{2, kRed}, {35, kWhite}, {36, kWhite}});
        window.Game().SideToMove = kRed;
        window.PlayMove(2, 35);
        EXPECT_EQ(window.Turn().Phase(), kMoveUnderWay);
    };
    capture();
    EXPECT_TRUE(window.Board().Scene().AnythingTravelling());
    FinishAnimations();
    const auto designed = Pieces();
    Tick(2);  // finish the move; White's turn
    ASSERT_EQ(window.Turn().State(), LoopState::HumanTurn);

    window.Menu().AnimationSpeedItems[2]->trigger();
    EXPECT_EQ(window.Speed(), AnimationSpeed::kInstant);
    capture();
    EXPECT_FALSE(window.Board().Scene().AnythingTravelling());
    EXPECT_EQ(window.Turn().RunningPaths(), 0);
    EXPECT_EQ(window.Turn().MoveStartTick(), kLongAgoTick);  // the next tick finishes it
    EXPECT_EQ(Pieces(), designed);
    Tick();
    EXPECT_EQ(window.Turn().State(), LoopState::TurnStart);
}

TEST_F(MainFormComfortTest, FastRunsEveryGlideAndTheQuarterTurnQuicker) {
    StartGame();
    window.Menu().AnimationSpeedItems[1]->trigger();
    window.PlayMove(26, 20);  // 0.35 s as designed
    frame_time += 0.1;
    window.FrameClock().Step();
    EXPECT_FALSE(window.Board().Scene().AnythingTravelling());

    window.Tr_retourneClick();  // 9 s as designed
    for (int frame = 0; frame < 20; ++frame) {
        frame_time += 0.125;
        window.FrameClock().Step();
    }
    EXPECT_NEAR(window.Board().Plateau->TurnAngle(), 90, 1e-9);
}

TEST_F(MainFormComfortTest, EscapeOrAClickDuringAnAnimationFinishesIt) {
    StartGame();
    window.PlayMove(26, 20);
    ASSERT_TRUE(window.Board().Scene().AnythingTravelling());
    Key(Qt::Key_Escape);
    EXPECT_FALSE(window.Board().Scene().AnythingTravelling());
    EXPECT_EQ(window.Turn().RunningPaths(), 0);
    EXPECT_EQ(window.Turn().MoveStartTick(), kLongAgoTick);
    for (int i = scene::kFirstRedPiece; i < scene::kFirstWhitePiece; ++i) {
        const scene::TSceneObject& piece = *window.Board().SceneObjects[i];
        if (piece.Tag() == 20) {
            EXPECT_EQ(piece.Position(), scene::CellCentre(20, scene::kRestHeight));
        }
    }
    RunUntilHumanTurn();

    // A click lands a running move and is not taken as a selection.
    const Tlcoup moves = ListAllMoves(window.Game().Pos, kRed);
    window.PlayMove(moves.front().From, moves.front().To);
    ASSERT_TRUE(window.Board().Scene().AnythingTravelling());
    QTest::mouseClick(&window.Viewer(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(window.Board().Scene().AnythingTravelling());
    EXPECT_EQ(window.Turn().Phase(), kMoveUnderWay);

    // The quarter turn lands on its target too.
    window.Tr_retourneClick();
    frame_time += 0.1;
    window.FrameClock().Step();
    Key(Qt::Key_Escape);
    EXPECT_NEAR(window.Board().Plateau->TurnAngle(), 90, 1e-9);
}

TEST_F(MainFormComfortTest, EscapeDropsASelectionAndAPieceWithoutMoveSaysSo) {
    StartGame();
    QTest::mouseClick(&window.Viewer(), Qt::LeftButton, {}, PixelOfPieceOn(26));
    ASSERT_EQ(window.Turn().Phase(), kPieceSelected);
    Key(Qt::Key_Escape);
    EXPECT_EQ(window.Turn().Phase(), kNoSelection);
    EXPECT_TRUE(window.PossibleMoves().empty());
    EXPECT_FALSE(window.Board().Select1->Shining());

    const QString no_move = QString::fromStdString(lang::LoadText(61));
    QTest::mouseClick(&window.Viewer(), Qt::LeftButton, {}, PixelOfPieceOn(31));  // boxed in
    ASSERT_EQ(window.Turn().Phase(), kPieceSelected);
    EXPECT_TRUE(window.Status().StatusText().endsWith(no_move));
    Tick();  // the turn message is rewritten every tick, the note with it
    EXPECT_TRUE(window.Status().StatusText().endsWith(no_move));
    EXPECT_TRUE(window.Status().StatusText().startsWith(QString::fromStdString(
        lang::FormatText(lang::LoadText(7), {window.Game().PlayerOf(kRed).Name}))));
    Key(Qt::Key_Escape);
    Tick();
    EXPECT_FALSE(window.Status().StatusText().endsWith(no_move));
}

TEST_F(MainFormComfortTest, ADoubleClickIsTwoClicks) {
    StartGame();
    const QPoint piece = PixelOfPieceOn(26);
    // What the window system sends for a quick double click: press, release, double click.
    ViewerEvent(QEvent::MouseButtonPress, piece);
    ViewerEvent(QEvent::MouseButtonRelease, piece);
    EXPECT_EQ(window.Turn().Phase(), kPieceSelected);
    ViewerEvent(QEvent::MouseButtonDblClick, piece);
    EXPECT_EQ(window.Turn().Phase(), kNoSelection);  // a second click on it drops it
}

TEST_F(MainFormComfortTest, TheLastMoveOfAGameShowsInTheStatusPanels) {
    StartGame();
    SetBoard({{2, kRed}, {35, kWhite}});
    window.PlayMove(2, 35);
    ASSERT_EQ(window.Game().Result, kRedWon);
    FinishAnimations();
    Tick();
    EXPECT_EQ(window.Turn().State(), LoopState::GameOver);
    EXPECT_EQ(window.Status().PanelText(2), "1:  A 2->F 5");
}

TEST_F(MainFormComfortTest, MenuIconsAndViewButtonsAreAsDesigned) {
    const MainMenu& menu = window.Menu();
    for (QAction* plain : {menu.Zoomavant1, menu.Zoomarrire1, menu.Rafraichir, menu.Coupprcdent1,
                           menu.Coupsuivant1}) {
        EXPECT_FALSE(plain->isIconVisibleInMenu()) << plain->text().toStdString();
        EXPECT_FALSE(plain->icon().isNull());  // still on the toolbar button
    }
    for (QAction* with_icon : {menu.Rotation1, menu.Vue3D, menu.Vue2D}) {
        EXPECT_TRUE(with_icon->isIconVisibleInMenu());
    }
    StartGame();
    auto* top_button = qobject_cast<QToolButton*>(menu.ToolBar1->widgetForAction(menu.TB_vue2));
    ASSERT_NE(top_button, nullptr);
    QTest::mouseClick(top_button, Qt::LeftButton);
    EXPECT_TRUE(menu.Vue2D->isChecked());
    EXPECT_FALSE(top_button->isChecked());
    EXPECT_EQ(menu.TB_vue2->toolTip(), menu.Vue2D->toolTip());
}

// Without a window manager nothing held the window at its minimum: a board 3 pixels high.
TEST_F(MainFormComfortTest, AWindowShrunkFromOutsideGrowsBackToItsMinimum) {
    window.windowHandle()->resize(100, 80);
    QTest::qWait(300);
    EXPECT_GE(window.width(), window.minimumWidth());
    EXPECT_GE(window.height(), window.minimumHeight());
    EXPECT_GE(window.Viewer().height(), 100);
}

TEST_F(MainFormComfortTest, WindowPlaceListAndSpeedAreRememberedAndTheMenusStillFit) {
    EXPECT_GE(window.minimumWidth(), window.menuBar()->sizeHint().width());
    EXPECT_GE(window.minimumWidth(), window.Menu().ToolBar1->sizeHint().width());
    EXPECT_LE(window.minimumWidth(), 668);

    window.setGeometry(QRect(90, 110, 820, 610));
    window.MoveList().show();
    window.SetAnimationSpeed(AnimationSpeed::kFast);
    window.close();

    TMainForm again([this] { return now; });
    again.show();
    EXPECT_EQ(again.geometry(), QRect(90, 110, 820, 610));
    EXPECT_TRUE(again.MoveList().isVisible());
    EXPECT_EQ(again.Speed(), AnimationSpeed::kFast);
    EXPECT_TRUE(again.Menu().AnimationSpeedItems[1]->isChecked());
    EXPECT_EQ(QSettings().value("Parameters/Default").toString().size(), 20);
    again.close();
}

}  // namespace
}  // namespace circumvia::control
