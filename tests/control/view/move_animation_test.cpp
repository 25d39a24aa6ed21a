// A move's animation on the real board scene, driven by a fake frame time.
#include "control/view/move_animation.h"

#include <gtest/gtest.h>

#include <vector>

#include "control/view/capture_route_marks.h"
#include "model/movegen.h"
#include "scene/board/board_geometry.h"

namespace circumvia::control {
namespace {

constexpr std::uint32_t kStartTick = 5000000;

class MoveAnimationTest : public ::testing::Test {
protected:
    MoveAnimationTest()
        : pieces(board),
          animation(pieces, turn,
                    {.sound_on = [this] { return sound_on; },
                     .play_click = [this] { ++clicks; },
                     .step_clock = [this] { Advance(0); },
                     .repaint_status = [this] { ++repaints; }}) {
        board.CreateSceneObjects();
        turn.ResumeHumanTurn();
    }

    void Place(const Position& position) { pieces.RefreshPieces(position); }

    // One frame-clock step `dt` seconds after the previous one.
    void Advance(double dt) {
        time += dt;
        board.Scene().Advance(time, dt);
    }

    // Plays the move as the window does: the moving piece's paths, then the victim's flight.
    void Animate(const Position& position, int from, int to) {
        scene::TSceneObject* mover = pieces.PieceOnCell(from);
        scene::TSceneObject* victim = pieces.PieceOnCell(to);
        ASSERT_NE(mover, nullptr);
        animation.Forget();
        turn.BeginMove(from, to, kStartTick);
        animation.AnimateMove(*mover, from, to, CapturePath(from, to, position), victim != nullptr);
        if (victim) {
            animation.PrepareCaptureFlight(*victim, to, position.Count(position[to]), position[to]);
        }
    }

    // Advances in small steps until the running paths reach `paths`; returns the time taken.
    double RunUntil(int paths, double limit = 30) {
        const double start = time;
        while (turn.RunningPaths() > paths && time - start < limit) Advance(0.001);
        return time - start;
    }

    scene::TBoardScene board;
    BoardPieces pieces;
    TurnState turn;
    MoveAnimation animation;
    double time = 100;
    bool sound_on = true;
    int clicks = 0;
    int repaints = 0;
};

Position Board(std::initializer_list<std::pair<int, std::uint8_t>> cells) {
    Position p;
    for (auto [cell, value] : cells) p[cell] = value;
    return p;
}

TEST_F(MoveAnimationTest, StepGlidesInAThirdOfASecondAndSignalsTheLoop) {
    const Position p = Board({{8, kRed}, {36, kWhite}});
    Place(p);
    scene::TSceneObject* mover = pieces.PieceOnCell(8);
    Animate(p, 8, 9);
    EXPECT_EQ(turn.RunningPaths(), 1);
    EXPECT_EQ(mover->Tag(), 9);  // the piece belongs to its new cell at once
    EXPECT_NEAR(RunUntil(0), 0.35, 0.002);
    EXPECT_EQ(turn.MoveStartTick(), kLongAgoTick);
    EXPECT_EQ(clicks, 1);
    EXPECT_NEAR(mover->Position().x, scene::CellX(9), 1e-9);
    EXPECT_NEAR(mover->Position().y, 0.2, 1e-9);
}

TEST_F(MoveAnimationTest, DiagonalStepTakesLonger) {
    const Position p = Board({{8, kRed}, {36, kWhite}});
    Place(p);
    Animate(p, 8, 15);
    EXPECT_NEAR(RunUntil(0), 0.4536, 0.002);
}

TEST_F(MoveAnimationTest, CaptureRunsThreePathsAndFliesTheVictimOff) {
    const Position p = Board({{2, kRed}, {35, kWhite}});
    Place(p);
    scene::TSceneObject* mover = pieces.PieceOnCell(2);
    scene::TSceneObject* victim = pieces.PieceOnCell(35);
    Animate(p, 2, 35);
    EXPECT_EQ(turn.RunningPaths(), 3);
    EXPECT_EQ(victim->Tag(), -1);
    EXPECT_EQ(animation.LastLineCell(), -1);
    ASSERT_EQ(mover->Movement()->PathCount(), 2);
    EXPECT_EQ(mover->Movement()->Path(0).Name(), "S");
    EXPECT_EQ(mover->Movement()->Path(0).Nodes().size(), 19u);
    EXPECT_NEAR(mover->Movement()->Path(0).Duration(), 4.521, 0.001);
    EXPECT_NEAR(victim->Movement()->Path(0).Duration(), 3.424, 0.001);
    EXPECT_FALSE(victim->Movement()->Travelling());  // waits for the capturing piece

    EXPECT_NEAR(RunUntil(2), 4.521, 0.002);  // "S" ends: click, the victim takes off
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(victim->Movement()->Travelling());
    EXPECT_NEAR(RunUntil(1), 0.05, 0.002);  // the capturing piece sets down
    EXPECT_EQ(clicks, 1);                   // settling makes no sound
    EXPECT_TRUE(victim->Visible());
    EXPECT_NE(turn.MoveStartTick(), kLongAgoTick);
    EXPECT_NEAR(RunUntil(0), 3.424 - 0.05, 0.003);  // the flight ends
    EXPECT_EQ(turn.MoveStartTick(), kLongAgoTick);
    EXPECT_FALSE(victim->Visible());
    EXPECT_NEAR(victim->Position().x, 0.75, 1e-9);
    EXPECT_NEAR(victim->Position().y, 3.0, 1e-9);
    EXPECT_NEAR(victim->Position().z, -5.0, 1e-9);
    EXPECT_EQ(repaints, 3);
}

TEST_F(MoveAnimationTest, StraightArrivalKnocksTheVictimOnAlongTheColumn) {
    // Red on 7 rounds the arc to 2 and comes down column 2 onto White on 8.
    const Position p = Board({{7, kRed}, {8, kWhite}});
    Place(p);
    scene::TSceneObject* victim = pieces.PieceOnCell(8);
    Animate(p, 7, 8);
    EXPECT_EQ(animation.LastLineCell(), 2);
    RunUntil(0);
    EXPECT_NEAR(victim->Position().z, 5.0, 1e-9);
    EXPECT_NEAR(victim->Position().x, -0.75, 1e-9);
}

TEST_F(MoveAnimationTest, StraightArrivalAlongARowKnocksTheVictimOnAlongTheRow) {
    // Red on 2 rounds the arc to 7 and runs along row 2 onto White on 8.
    const Position p = Board({{2, kRed}, {8, kWhite}});
    Place(p);
    scene::TSceneObject* victim = pieces.PieceOnCell(8);
    Animate(p, 2, 8);
    EXPECT_EQ(animation.LastLineCell(), 7);
    RunUntil(0);
    EXPECT_NEAR(victim->Position().x, 5.0, 1e-9);
    EXPECT_NEAR(victim->Position().z, -0.75, 1e-9);
}

TEST_F(MoveAnimationTest, ArcArrivalOnColumnSixSendsTheVictimLeft) {
    // White on 35 takes Red on 30 straight off the small arc 35-30.
    const Position p = Board({{35, kWhite}, {30, kRed}, {29, kWhite}});
    Place(p);
    scene::TSceneObject* victim = pieces.PieceOnCell(30);
    Animate(p, 35, 30);
    EXPECT_EQ(animation.LastLineCell(), -1);
    RunUntil(0);
    EXPECT_NEAR(victim->Position().x, -5.0, 1e-9);
    EXPECT_NEAR(victim->Position().z, 0.75, 1e-9);
}

TEST_F(MoveAnimationTest, WithoutSoundNothingPlaysAndNothingElseChanges) {
    sound_on = false;
    const Position p = Board({{8, kRed}, {36, kWhite}});
    Place(p);
    Animate(p, 8, 9);
    RunUntil(0);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(turn.MoveStartTick(), kLongAgoTick);
}

TEST_F(MoveAnimationTest, PathEndsAreIgnoredWhileTheWindowCloses) {
    const Position p = Board({{8, kRed}, {36, kWhite}});
    Place(p);
    Animate(p, 8, 9);
    turn.Close();
    board.Scene().StopAllMovements();
    EXPECT_EQ(turn.RunningPaths(), 1);
    EXPECT_EQ(clicks, 0);
}

TEST_F(MoveAnimationTest, SelectionLightGoesOutAtEveryPathEnd) {
    const Position p = Board({{8, kRed}, {36, kWhite}});
    Place(p);
    pieces.LightUp(pieces.PieceOnCell(8));
    EXPECT_TRUE(board.Select1->Shining());
    Animate(p, 8, 9);
    RunUntil(0);
    EXPECT_FALSE(board.Select1->Shining());
}

TEST(BoardPieces, RefreshPlacesEachSidesObjectsInCellOrderAndHidesTheRest) {
    scene::TBoardScene board;
    board.CreateSceneObjects();
    BoardPieces pieces(board);
    Position p;
    p[5] = kRed;
    p[17] = kWhite;
    p[30] = kRed;
    pieces.RefreshPieces(p);
    const auto& objects = board.SceneObjects;
    EXPECT_EQ(objects[scene::kFirstRedPiece]->Tag(), 5);
    EXPECT_EQ(objects[scene::kFirstRedPiece + 1]->Tag(), 30);
    EXPECT_EQ(objects[scene::kFirstRedPiece + 2]->Tag(), -1);
    EXPECT_FALSE(objects[scene::kFirstRedPiece + 2]->Visible());
    EXPECT_EQ(objects[scene::kFirstWhitePiece]->Tag(), 17);
    EXPECT_TRUE(objects[scene::kFirstWhitePiece]->Visible());
    EXPECT_NEAR(objects[scene::kFirstWhitePiece]->Position().x, scene::CellX(17), 1e-9);
    EXPECT_NEAR(objects[scene::kFirstWhitePiece]->Position().y, 0.2, 1e-9);
    EXPECT_NEAR(objects[scene::kFirstWhitePiece]->Position().z, scene::CellZ(17), 1e-9);
    EXPECT_EQ(pieces.PieceOnCell(30), objects[scene::kFirstRedPiece + 1]);
    EXPECT_EQ(pieces.PieceOnCell(6), nullptr);
}

// An arrow lies the way its piece arrives: a step from its start, a capture from the last
// cell of its route.
TEST(ArrivalCell, IsTheStartOfAStepAndTheRoutesLastCellOfACapture) {
    Position board;
    board[3] = kRed;     // A 3
    board[9] = kWhite;   // B 3: met before any arc, it blocks the way down column 3
    board[16] = kWhite;  // C 4: taken round the top-left arc along row C
    board[28] = kRed;    // E 4, with room to step
    const struct {
        Move move;
        int arrival;
    } cases[] = {
        {{28, 22}, 28},  // a step up
        {{28, 35}, 28},  // a step down and right
        {{3, 16}, 15},   // A 3 round the arc, C 1, C 2, C 3, then C 4
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ArrivalCell(c.move, board), c.arrival)
            << int(c.move.From) << "->" << int(c.move.To);
    }
}

// The dots of a piece's moves: the cells its captures pass, not its steps' nor the
// blocked way down column 3.
TEST(CellsOnCaptureRoutes, AreTheCellsBetweenStartAndCapturedPiece) {
    Position board;
    board[3] = kRed;
    board[9] = kWhite;
    board[16] = kWhite;
    const std::array<bool, kCellCount + 1> on_route =
        CellsOnCaptureRoutes(ListDestinations(3, board), board);
    for (int cell = 1; cell <= kCellCount; ++cell) {
        EXPECT_EQ(on_route[cell], cell == 13 || cell == 14 || cell == 15) << cell;
    }
}

TEST(BoardPieces, MarkersPointAtEachDestinationAndHideAgain) {
    scene::TBoardScene board;
    board.CreateSceneObjects();
    BoardPieces pieces(board);
    const Tlcoup moves = {{2, 35}, {2, 35}, {2, 1}};
    pieces.ShowMarkers(moves, Position{}, true);
    const auto& objects = board.SceneObjects;
    EXPECT_EQ(objects[scene::kFirstArrowMarker]->Tag(), 35);
    EXPECT_EQ(objects[scene::kFirstArrowMarker + 2]->Tag(), 1);
    EXPECT_TRUE(objects[scene::kFirstArrowMarker + 2]->Visible());
    EXPECT_NEAR(objects[scene::kFirstArrowMarker + 2]->Position().y, 0.7, 1e-9);
    EXPECT_FALSE(objects[scene::kFirstArrowMarker + 3]->Visible());
    pieces.ShowMarkers(moves, Position{}, false);
    for (int k = 0; k < scene::kArrowMarkerCount; ++k) {
        EXPECT_FALSE(objects[scene::kFirstArrowMarker + k]->Visible());
        EXPECT_EQ(objects[scene::kFirstArrowMarker + k]->Tag(), -1);
    }
}

}  // namespace
}  // namespace circumvia::control
