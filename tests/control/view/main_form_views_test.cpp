// Views, zoom and turning the board through the real main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "scene/board/board_geometry.h"
#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

using testing::MainFormTest;

TEST_F(MainFormTest, PerspectiveAndTopViewsSetTheCameraAndTheGroup) {
    StartGame();
    window.TB_vue2Click();
    const scene::TCamera& camera = *window.Board().Camera;
    EXPECT_EQ(camera.Style(), scene::CameraStyle::kOrthogonal);
    EXPECT_EQ(camera.Position(), (scene::Vec3{0, 10, 10}));
    EXPECT_DOUBLE_EQ(camera.FocalLength(), 10);  // the window has its designed size
    EXPECT_TRUE(window.Menu().Vue2D->isChecked());
    window.TB_vue1Click();
    EXPECT_EQ(camera.Style(), scene::CameraStyle::kPerspective);
    EXPECT_EQ(camera.Position(), (scene::Vec3{0, 0, 9}));
    EXPECT_DOUBLE_EQ(camera.FocalLength(), 100);
    EXPECT_DOUBLE_EQ(window.Board().DummyCube->PitchAngle(), -4);
    EXPECT_NEAR(window.Board().DummyCube->Up().y, 0.642788, 1e-6);
    EXPECT_NEAR(window.Board().DummyCube->Up().z, 0.766044, 1e-6);
    EXPECT_TRUE(window.Menu().Vue3D->isChecked());
}

TEST_F(MainFormTest, ZoomFollowsTheWindowAndStopsAtItsLimits) {
    StartGame();
    window.TB_vue1Click();
    window.resize(956, 956);
    EXPECT_DOUBLE_EQ(window.Board().Camera->FocalLength(), 200);
    window.TB_zoomInClick();
    EXPECT_DOUBLE_EQ(window.Board().Camera->FocalLength(), 200);
    window.resize(668, 478);
    EXPECT_DOUBLE_EQ(window.Board().Camera->FocalLength(), 100);
    window.FormMouseWheel(120);
    EXPECT_DOUBLE_EQ(window.Board().Camera->FocalLength(), 88);
    window.TB_zoomInClick();
    EXPECT_DOUBLE_EQ(window.Board().Camera->FocalLength(), 89);
    window.TB_vue2Click();
    window.FormMouseWheel(120);  // 10 - 12 is refused
    EXPECT_DOUBLE_EQ(window.Board().Camera->FocalLength(), 10);
    window.FormMouseWheel(-120);
    EXPECT_DOUBLE_EQ(window.Board().Camera->FocalLength(), 22);
    for (int i = 0; i < 20; ++i) window.TB_zoomOutClick();
    EXPECT_DOUBLE_EQ(window.Board().Camera->FocalLength(), 5);
    EXPECT_FALSE(window.Menu().Zoomarrire1->isEnabled());
    EXPECT_TRUE(window.Menu().Zoomavant1->isEnabled());
}

TEST_F(MainFormTest, QuarterTurnsEachCompleteTheRunningOne) {
    StartGame();
    scene::TCube& slab = *window.Board().Plateau;
    window.Tr_retourneClick();
    EXPECT_FLOAT_EQ(slab.TagFloat(), 90);
    window.Tr_retourneClick();  // completes 90 at once, aims at 180
    window.Tr_retourneClick();  // completes 180 at once, aims at 270
    EXPECT_DOUBLE_EQ(slab.TurnAngle(), 180);
    EXPECT_FLOAT_EQ(slab.TagFloat(), 270);
    for (int frame = 0; frame < 2000 && slab.TurnAngle() != -90; ++frame) {
        frame_time += 0.05;
        window.FrameClock().Step();
    }
    EXPECT_DOUBLE_EQ(slab.TurnAngle(), -90);  // 270, stored within -180..180
    window.Tr_retourneClick();
    EXPECT_FLOAT_EQ(slab.TagFloat(), 0);
}

TEST_F(MainFormTest, HalfTurnIsImmediate) {
    StartGame();
    scene::TCube& slab = *window.Board().Plateau;
    window.Inverser1Click();
    EXPECT_DOUBLE_EQ(slab.TurnAngle(), 180);
    window.Inverser1Click();
    EXPECT_DOUBLE_EQ(slab.TurnAngle(), 0);
    window.Tr_retourneClick();  // target 90, still at 0
    window.Inverser1Click();    // completes the quarter, then half-turns from 90
    EXPECT_DOUBLE_EQ(slab.TurnAngle(), 180);
}

TEST_F(MainFormTest, ArrowKeysTiltTheGroupAndRefreshRestoresIt) {
    StartGame();
    window.TB_vue1Click();
    scene::TDummyCube& group = *window.Board().DummyCube;
    for (int key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down}) {
        window.FormKeyDown(key);
    }
    EXPECT_DOUBLE_EQ(group.TurnAngle(), -2);
    EXPECT_DOUBLE_EQ(group.PitchAngle(), -3);
    window.TB_vue3Click();
    EXPECT_DOUBLE_EQ(group.TurnAngle(), 0);
    EXPECT_DOUBLE_EQ(group.PitchAngle(), -4);
    EXPECT_NEAR(group.Up().y, 0.642788, 1e-6);
    EXPECT_NEAR(group.Up().z, 0.766044, 1e-6);
    EXPECT_NEAR(group.Direction().y, -0.766044, 1e-6);
}

TEST_F(MainFormTest, StoredTopViewIsShownAtTheFirstTick) {
    window.close();
    {
        QSettings settings;
        settings.setValue(QStringLiteral("Parameters/Default"),
                          QStringLiteral("11F12000000000000000"));
    }
    TMainForm second([this] { return now; });
    second.show();
    second.Timer1().stop();
    second.Timer1Timer();
    EXPECT_EQ(second.Board().Camera->Style(), scene::CameraStyle::kOrthogonal);
    EXPECT_TRUE(second.Menu().Vue2D->isChecked());
    second.close();
}

TEST_F(MainFormTest, HandlersIgnoreEventsBeforeTheFirstTick) {
    // As the user would: the commands and keys are refused where they are dispatched.
    window.Menu().Rotation1->trigger();
    window.Menu().Zoomavant1->trigger();
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(&window, &left);
    EXPECT_FLOAT_EQ(window.Board().Plateau->TagFloat(), 0);
    EXPECT_DOUBLE_EQ(window.Board().DummyCube->TurnAngle(), 0);
}

}  // namespace
}  // namespace circumvia::control
