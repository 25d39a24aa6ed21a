#include <gtest/gtest.h>

#include <vector>

#include "scene/frame_clock.h"
#include "scene/movement.h"
#include "scene/scene.h"
#include "scene/shapes.h"
#include "scene_test_support.h"

namespace circumvia::scene {
namespace {

// A scene driven by a clock whose time the test sets.
struct ClockedScene {
    TScene scene;
    TSphere& piece = scene.Root().Add<TSphere>("piece");
    TFrameClock clock{scene};
    double now = 100;
    int redraws = 0;
    int wakes = 0;

    ClockedScene() {
        clock.SetTimeSource([this] { return now; });
        clock.SetRedrawHandler([this] { ++redraws; });
        clock.SetWakeHandler([this] { ++wakes; });
    }
    void StepAt(double time) {
        now = time;
        clock.Step();
    }
    // Two quiet steps: the first takes in what changed before, the second finds nothing new.
    void SettleToRest() {
        StepAt(now + 0.02);
        StepAt(now + 0.02);
    }
    void Travel(Vec3 from, Vec3 to, double speed) {
        TMovement& movement = piece.GetOrCreateMovement();
        movement.ClearPaths();
        TMovementPath& path = movement.AddPath();
        path.AddNode() = {from, {}, {1, 1, 1}, speed};
        path.AddNode().position = to;
        movement.SetActivePathIndex(0);
        movement.StartPathTravel();
    }
};

TEST(FrameClock, AdvancesObjectsByTheTimeBetweenSteps) {
    ClockedScene s;
    std::vector<double> steps;
    // Like the board's turning: the handler keeps changing the scene, so no rest.
    s.piece.SetProgressHandler([&](double dt) {
        steps.push_back(dt);
        s.piece.SetX(s.piece.Position().x + dt);
    });
    s.StepAt(100);
    s.StepAt(100.02);
    s.StepAt(100.05);
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_DOUBLE_EQ(steps[0], TFrameClock::kRestartStep);  // no previous step
    EXPECT_NEAR(steps[1], 0.02, 1e-9);
    EXPECT_NEAR(steps[2], 0.03, 1e-9);
}

TEST(FrameClock, MovesPathsOnTheClocksTime) {
    ClockedScene s;
    s.Travel({0, 0, 0}, {1, 0, 0}, 2.0);
    s.StepAt(100);  // the path's start
    s.StepAt(100.25);
    ExpectNear(s.piece.Position(), {0.5, 0, 0});
    s.StepAt(100.5);
    ExpectNear(s.piece.Position(), {1, 0, 0});
    EXPECT_FALSE(s.scene.AnythingTravelling());
}

TEST(FrameClock, AStepWithNoTimePassedAdvancesNothing) {
    ClockedScene s;
    int calls = 0;
    s.piece.SetProgressHandler([&calls](double) { ++calls; });
    s.StepAt(100);
    s.piece.SetX(1);  // keeps the clock awake
    s.StepAt(100);
    EXPECT_EQ(calls, 1);
}

TEST(FrameClock, AStepRequestedInsideAStepDoesNothing) {
    ClockedScene s;
    int calls = 0;
    s.piece.SetProgressHandler([&](double) {
        ++calls;
        s.StepAt(s.now + 1);
    });
    s.StepAt(100);
    EXPECT_EQ(calls, 1);
}

TEST(FrameClock, RedrawsOnlyAfterAChange) {
    ClockedScene s;
    s.StepAt(100);
    EXPECT_EQ(s.redraws, 1);  // the first picture
    s.StepAt(100.02);
    s.StepAt(100.04);
    EXPECT_EQ(s.redraws, 1);
    s.piece.SetVisible(false);
    s.StepAt(100.06);
    EXPECT_EQ(s.redraws, 2);
}

TEST(FrameClock, RestsWhenNothingTravelsOrChanges) {
    ClockedScene s;
    s.SettleToRest();
    EXPECT_TRUE(s.clock.Resting());
    s.Travel({0, 0, 0}, {1, 0, 0}, 2.0);
    s.StepAt(100.04);
    EXPECT_FALSE(s.clock.Resting());
    s.StepAt(101);                    // the path ends in this step
    EXPECT_FALSE(s.clock.Resting());  // it changed the piece
    s.StepAt(101.02);
    EXPECT_TRUE(s.clock.Resting());
}

TEST(FrameClock, AChangeWakesTheEnabledClockOnce) {
    ClockedScene s;
    s.clock.SetEnabled(true);
    EXPECT_EQ(s.wakes, 1);
    s.SettleToRest();
    ASSERT_TRUE(s.clock.Resting());
    s.piece.SetX(1);
    s.piece.SetX(2);
    EXPECT_EQ(s.wakes, 2);
    s.SettleToRest();
    s.piece.SetX(3);
    EXPECT_EQ(s.wakes, 3);
}

TEST(FrameClock, ADisabledClockIsNotWoken) {
    ClockedScene s;
    s.SettleToRest();
    s.piece.SetX(1);
    EXPECT_EQ(s.wakes, 0);
}

TEST(FrameClock, TheFirstStepAfterARestAdvancesOneFrame) {
    ClockedScene s;
    std::vector<double> steps;
    s.SettleToRest();
    ASSERT_TRUE(s.clock.Resting());
    s.piece.SetProgressHandler([&steps](double dt) { steps.push_back(dt); });
    s.StepAt(160);  // a minute of rest is not one long frame
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_DOUBLE_EQ(steps[0], TFrameClock::kRestartStep);
}

TEST(FrameClock, TargetChangesInTheFloatSlotWakeTheClock) {
    // The board's quarter turn is driven by its progress handler towards a target kept
    // in the float slot; setting the target must get the clock going.
    ClockedScene s;
    s.clock.SetEnabled(true);
    s.SettleToRest();
    const int wakes = s.wakes;
    s.piece.SetTagFloat(90);
    EXPECT_EQ(s.wakes, wakes + 1);
}

}  // namespace
}  // namespace circumvia::scene
