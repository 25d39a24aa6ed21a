#include <gtest/gtest.h>

#include <QTest>

#include "scene/frame_clock.h"
#include "scene/gl/frame_timer.h"
#include "scene/movement.h"
#include "scene/scene.h"
#include "scene/shapes.h"

namespace circumvia::scene {
namespace {

struct TimedScene {
    TScene scene;
    TSphere& piece = scene.Root().Add<TSphere>("piece");
    TFrameClock clock{scene};
    TFrameTimer timer{clock};
    int redraws = 0;

    TimedScene() {
        clock.SetRedrawHandler([this] { ++redraws; });
    }
    bool WaitForRest() {
        return QTest::qWaitFor([this] { return !timer.Active(); }, 5000);
    }
};

TEST(FrameTimer, StepsWhileAPathTravelsThenRests) {
    TimedScene s;
    s.clock.SetEnabled(true);
    ASSERT_TRUE(s.WaitForRest());
    TMovement& movement = s.piece.GetOrCreateMovement();
    TMovementPath& path = movement.AddPath();
    path.AddNode().speed = 2;
    path.AddNode().position = {0.4, 0, 0};  // 0.2 seconds
    movement.SetActivePathIndex(0);
    movement.StartPathTravel();
    EXPECT_TRUE(s.timer.Active());
    const int redraws_before = s.redraws;
    ASSERT_TRUE(s.WaitForRest());
    EXPECT_FALSE(movement.Travelling());
    EXPECT_EQ(s.piece.Position(), (Vec3{0.4, 0, 0}));
    EXPECT_GT(s.redraws, redraws_before + 2);  // frames along the way
}

TEST(FrameTimer, AnIdleSceneIsNeitherSteppedNorRedrawn) {
    TimedScene s;
    s.clock.SetEnabled(true);
    ASSERT_TRUE(s.WaitForRest());
    int steps = 0;
    s.piece.SetProgressHandler([&steps](double) { ++steps; });
    const int redraws = s.redraws;
    QTest::qWait(300);
    EXPECT_EQ(steps, 0);
    EXPECT_EQ(s.redraws, redraws);
}

TEST(FrameTimer, AChangeWakesItForOneRedraw) {
    TimedScene s;
    s.clock.SetEnabled(true);
    ASSERT_TRUE(s.WaitForRest());
    const int redraws = s.redraws;
    s.piece.SetVisible(false);
    EXPECT_TRUE(s.timer.Active());
    ASSERT_TRUE(s.WaitForRest());
    EXPECT_EQ(s.redraws, redraws + 1);
}

TEST(FrameTimer, ADisabledClockIsNotStepped) {
    TimedScene s;
    s.piece.SetX(1);
    EXPECT_FALSE(s.timer.Active());
    EXPECT_GE(s.timer.IntervalMs(), 1);
}

}  // namespace
}  // namespace circumvia::scene
