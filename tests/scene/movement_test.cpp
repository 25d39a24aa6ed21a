#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "scene/movement.h"
#include "scene/scene.h"
#include "scene/shapes.h"
#include "scene_test_support.h"

namespace circumvia::scene {
namespace {

struct MovingScene {
    TScene scene;
    TSphere& piece = scene.Root().Add<TSphere>("piece");
    TMovement& movement = piece.GetOrCreateMovement();

    TMovementPath& AddPath(const std::string& name, const std::vector<Vec3>& points,
                           double speed = 2.0) {
        TMovementPath& path = movement.AddPath();
        path.SetName(name);
        for (const Vec3& point : points) {
            TPathNode& node = path.AddNode();
            node.position = point;
            node.speed = speed;
        }
        return path;
    }
    void StartFirstPath() {
        movement.SetActivePathIndex(0);
        ASSERT_TRUE(movement.StartPathTravel());
    }
};

TEST(PathTravel, ASegmentOfLength01AtSpeed2LastsFiftyMilliseconds) {
    MovingScene s;
    s.AddPath("C", {{0, 0.2, 0}, {0, 0.3, 0}, {0.5, 0.3, 0}});
    s.StartFirstPath();
    s.scene.Advance(10.0, 0.01);  // the start time is taken at the first step
    EXPECT_EQ(s.movement.ActivePath()->StartTime(), 10.0);
    s.scene.Advance(10.049, 0.049);
    EXPECT_LT(s.piece.Position().y, 0.3);  // still rising
    s.scene.Advance(10.05, 0.001);
    ExpectNear(s.piece.Position(), {0, 0.3, 0}, 1e-9);  // at the second node
    EXPECT_TRUE(s.movement.Travelling());
}

TEST(PathTravel, ASegmentTakesTheSpeedOfTheNodeWhereItBegins) {
    MovingScene s;
    TMovementPath& path = s.AddPath("flight", {{0, 0, 0}, {1, 0, 0}});
    path.Nodes()[1].speed = 8.0;
    EXPECT_DOUBLE_EQ(path.Duration(), 0.5);
    s.StartFirstPath();
    s.scene.Advance(0, 0);
    s.scene.Advance(0.25, 0.25);
    ExpectNear(s.piece.Position(), {0.5, 0, 0});
    s.scene.Advance(0.5, 0.25);
    EXPECT_FALSE(s.movement.Travelling());
}

TEST(PathTravel, AnOrthogonalStepTakes035Seconds) {
    MovingScene s;
    TMovementPath& path = s.AddPath(
        "C", {{-0.75, 0.2, -0.75}, {-0.75, 0.3, -0.75}, {-0.25, 0.3, -0.75}, {-0.25, 0.2, -0.75}});
    EXPECT_NEAR(path.Duration(), 0.35, 1e-12);
}

TEST(PathTravel, EndsOnTheLastNodeExactly) {
    MovingScene s;
    s.AddPath("C", {{0, 0, 0}, {1, 1, 0}, {2, 0, 3}});
    s.StartFirstPath();
    s.scene.Advance(1, 0);
    s.scene.Advance(100, 99);
    EXPECT_EQ(s.piece.Position(), (Vec3{2, 0, 3}));
    EXPECT_FALSE(s.movement.Travelling());
}

TEST(PathTravel, CarriesRotationAndScaleAlong) {
    MovingScene s;
    TMovementPath& path = s.AddPath("spin", {{0, 0, 0}, {1, 0, 0}}, 1.0);
    path.Nodes()[1].rotation = {0, 90, 0};
    path.Nodes()[1].scale = {3, 3, 3};
    s.StartFirstPath();
    s.scene.Advance(0, 0);
    s.scene.Advance(0.5, 0.5);
    EXPECT_NEAR(s.piece.TurnAngle(), 45, 1e-9);
    ExpectNear(s.piece.Scale(), {2, 2, 2});
}

TEST(PathTravel, NeedsTwoNodesAndASpeedOnEveryNode) {
    MovingScene s;
    s.AddPath("one", {{0, 0, 0}});
    s.movement.SetActivePathIndex(0);
    EXPECT_FALSE(s.movement.StartPathTravel());

    TMovementPath& slow = s.AddPath("slow", {{0, 0, 0}, {1, 0, 0}});
    slow.Nodes()[1].speed = 0.005;
    s.movement.SetActivePathIndex(1);
    EXPECT_FALSE(s.movement.StartPathTravel());
    EXPECT_FALSE(s.movement.Travelling());

    slow.Nodes()[1].speed = -0.02;  // the size of the speed counts
    EXPECT_TRUE(s.movement.StartPathTravel());
}

TEST(PathNodes, ANewNodeStartsAsACopyOfThePreviousOne) {
    TScene scene;
    auto& piece = scene.Root().Add<TSphere>("piece");
    piece.SetPosition({1, 2, 3});
    piece.SetPitchAngle(30);
    piece.SetScale({2, 2, 2});
    TMovementPath& path = piece.GetOrCreateMovement().AddPath();
    TPathNode& first = path.AddNodeFrom(piece);
    first.speed = 2;
    ExpectNear(first.rotation, {30, 0, 0});
    TPathNode& second = path.AddNode();
    EXPECT_EQ(second.position, (Vec3{1, 2, 3}));
    EXPECT_EQ(second.scale, (Vec3{2, 2, 2}));
    EXPECT_EQ(second.speed, 2);
}

struct EndRecord {
    std::string path;
    bool next_travelling;
};

TEST(PathEnd, HandlerRunsThenTheNextPathStartsAtItsOwnFirstNode) {
    MovingScene s;
    s.AddPath("S", {{0, 0, 0}, {1, 0, 0}});
    s.AddPath("", {{5, 0, 0}, {5, 1, 0}});
    std::vector<std::string> ended;
    s.movement.SetPathEndHandler([&ended](TMovement& movement, TMovementPath& path, bool&) {
        ended.push_back(path.Name());
        EXPECT_FALSE(movement.Travelling());  // the next path starts after the handler
    });
    s.StartFirstPath();
    s.scene.Advance(0, 0);
    s.scene.Advance(0.5, 0.5);
    EXPECT_EQ(ended, std::vector<std::string>{"S"});
    EXPECT_EQ(s.movement.ActivePathIndex(), 1);
    EXPECT_TRUE(s.movement.Travelling());
    s.scene.Advance(0.5 + 1e-9, 1e-9);  // the new path's start time
    ExpectNear(s.piece.Position(), {5, 0, 0});
    s.scene.Advance(2, 1.5);
    EXPECT_EQ(ended, (std::vector<std::string>{"S", ""}));
    EXPECT_FALSE(s.movement.Travelling());  // the last path: nothing more
}

TEST(PathEnd, LoopedFlagStartsTheSamePathAgain) {
    MovingScene s;
    s.AddPath("loop", {{0, 0, 0}, {1, 0, 0}});
    s.AddPath("never", {{9, 9, 9}, {8, 8, 8}});
    int ends = 0;
    s.movement.SetPathEndHandler(
        [&ends](TMovement&, TMovementPath&, bool& looped) { looped = ++ends < 3; });
    s.StartFirstPath();
    for (int step = 0; step <= 10; ++step) s.scene.Advance(step * 0.3, 0.3);
    EXPECT_EQ(ends, 3);
    EXPECT_EQ(s.movement.ActivePathIndex(), 1);  // after the last loop, on to the next path
}

TEST(PathEnd, WithoutAutomaticStartTheNextPathWaits) {
    MovingScene s;
    s.AddPath("first", {{0, 0, 0}, {1, 0, 0}});
    s.AddPath("second", {{1, 0, 0}, {2, 0, 0}});
    s.movement.SetAutoStartNextPath(false);
    s.StartFirstPath();
    s.scene.Advance(0, 0);
    s.scene.Advance(1, 1);
    EXPECT_FALSE(s.movement.Travelling());
    EXPECT_EQ(s.movement.ActivePathIndex(), 0);
}

TEST(PathEnd, StoppingAPathReportsItsEndWhereItIs) {
    MovingScene s;
    s.AddPath("C", {{0, 0, 0}, {1, 0, 0}});
    std::vector<std::string> ended;
    s.movement.SetPathEndHandler(
        [&ended](TMovement&, TMovementPath& path, bool&) { ended.push_back(path.Name()); });
    s.StartFirstPath();
    s.scene.Advance(0, 0);
    s.scene.Advance(0.25, 0.25);
    s.movement.StopPathTravel();
    EXPECT_EQ(ended, std::vector<std::string>{"C"});
    ExpectNear(s.piece.Position(), {0.5, 0, 0});
    s.movement.StopPathTravel();  // not travelling: no second report
    EXPECT_EQ(ended.size(), 1u);
}

TEST(PathEnd, AHandlerMayRebuildItsOwnMovement) {
    MovingScene s;
    s.AddPath("C", {{0, 0, 0}, {1, 0, 0}});
    s.AddPath("next", {{1, 0, 0}, {2, 0, 0}});
    s.movement.SetPathEndHandler(
        [](TMovement& movement, TMovementPath&, bool&) { movement.ClearPaths(); });
    s.StartFirstPath();
    s.scene.Advance(0, 0);
    s.scene.Advance(1, 1);
    EXPECT_EQ(s.movement.PathCount(), 0);
    EXPECT_FALSE(s.movement.Travelling());
}

// A capture in miniature: the mover's step "S", then its settling path; the end of "S" sends
// the victim off on its flight "PRISE". Every path's end is recorded by name.
struct CaptureInMiniature {
    TScene scene;
    TSphere& mover = scene.Root().Add<TSphere>("mover");
    TSphere& victim = scene.Root().Add<TSphere>("victim");
    TMovement& flight = victim.GetOrCreateMovement();
    TMovement& move = mover.GetOrCreateMovement();
    std::vector<std::string> ended;

    CaptureInMiniature() {
        TMovementPath& away = flight.AddPath();
        away.SetName("PRISE");
        away.AddNode().speed = 2;
        away.AddNode().position = {0, 3, -5};
        flight.SetActivePathIndex(0);

        const Vec3 ends[] = {{1, 0.3, 0}, {1, 0.2, 0}};
        for (int i = 0; i < 2; ++i) {
            TMovementPath& path = move.AddPath();
            path.SetName(i == 0 ? "S" : "");
            path.AddNode().speed = 2;
            path.AddNode().position = {0.5, 0.3, 0};
            path.AddNode().position = ends[i];
        }
        const auto on_end = [this](TMovement&, TMovementPath& path, bool&) {
            ended.push_back(path.Name());
            if (path.Name() == "S") flight.StartPathTravel();
        };
        move.SetPathEndHandler(on_end);
        flight.SetPathEndHandler(on_end);
    }
    void Start() {
        move.SetActivePathIndex(0);
        move.StartPathTravel();
        scene.Advance(0, 0);
    }
};

TEST(StopAllMovements, LeavesNothingTravellingEvenPathsStartedByHandlers) {
    CaptureInMiniature capture;
    capture.Start();
    capture.scene.StopAllMovements();
    EXPECT_FALSE(capture.scene.AnythingTravelling());
    EXPECT_EQ(capture.ended.size(), 3u);  // "S", the settling path and the flight all reported
}

TEST(FinishAllMovements, LandsEveryPathOnItsLastNodeAndReportsEachEnd) {
    CaptureInMiniature capture;
    capture.Start();
    capture.scene.FinishAllMovements();
    EXPECT_FALSE(capture.scene.AnythingTravelling());
    std::sort(capture.ended.begin(), capture.ended.end());
    EXPECT_EQ(capture.ended, (std::vector<std::string>{"", "PRISE", "S"}));
    ExpectNear(capture.mover.Position(), {1, 0.2, 0}, 1e-12);  // settled, not stopped half-way
    ExpectNear(capture.victim.Position(), {0, 3, -5}, 1e-12);
}

TEST(StopAllMovements, EndsEvenWhenAHandlerLoopsForever) {
    MovingScene s;
    s.AddPath("forever", {{0, 0, 0}, {1, 0, 0}});
    int ends = 0;
    s.movement.SetPathEndHandler([&ends](TMovement&, TMovementPath&, bool& looped) {
        ++ends;
        looped = true;
    });
    s.StartFirstPath();
    s.scene.StopAllMovements();
    EXPECT_GT(ends, 1);     // each restart was stopped again...
    EXPECT_LT(ends, 1000);  // ...but not for ever
}

}  // namespace
}  // namespace circumvia::scene
