// How the evaluation graph places each analysed position: Red's lead up, White's down, every
// decisive value at the same height as the clamp, and a click anywhere over a point choosing
// that point's move.
#include "control/review/evaluation_graph.h"

#include <gtest/gtest.h>

namespace circumvia::control {
namespace {

MoveAnalysis Move(Side mover, int value_best, int value_played) {
    MoveAnalysis move;
    move.mover = mover;
    move.value_best = value_best;
    move.value_played = value_played;
    return move;
}

class EvaluationGraphTest : public ::testing::Test {
protected:
    EvaluationGraphTest() { graph.resize(220, 140); }

    int Height(int index) const { return graph.PointOf(index).y(); }

    EvaluationGraph graph;
};

TEST_F(EvaluationGraphTest, EachValueIsDrawnFromRedsSideAndClampedAtThreeHundred) {
    GameAnalysis analysis;
    analysis.moves = {
        Move(kRed, 20, 20),        // 1: Red a little ahead
        Move(kWhite, 100, 100),    // 2: White ahead
        Move(kRed, 300, 300),      // 3: Red at the clamp
        Move(kWhite, 200, -5000),  // 4: White lost: Red decisively ahead
        Move(kRed, -300, -300),    // 5: White at the clamp
        Move(kWhite, 9000, 9000),  // 6: White won
    };
    graph.ShowAnalysis(analysis);
    ASSERT_EQ(graph.PointCount(), 7);
    EXPECT_EQ(Height(0), Height(1));  // the start: what Red's first best move is worth
    // Up is Red's way: its clamp, a little lead, White's lead, White's clamp.
    EXPECT_LT(Height(3), Height(1));
    EXPECT_LT(Height(1), Height(2));
    EXPECT_LT(Height(2), Height(5));
    EXPECT_EQ(Height(4), Height(3));
    EXPECT_EQ(Height(6), Height(5));
    // In proportion between the two clamps, the even line halfway.
    const int even = (Height(3) + Height(5)) / 2;
    EXPECT_NEAR(Height(1), even - (even - Height(3)) * 20 / 300, 1);
    EXPECT_NEAR(Height(2), even + (Height(5) - even) * 100 / 300, 1);
}

TEST_F(EvaluationGraphTest, AClickAnywhereNearAPointChoosesItsMove) {
    GameAnalysis analysis;
    for (int k = 0; k < 9; ++k) analysis.moves.push_back(Move(k % 2 == 0 ? kRed : kWhite, 0, 0));
    graph.ShowAnalysis(analysis);
    for (int index = 0; index < graph.PointCount(); ++index) {
        const int x = graph.PointOf(index).x();
        EXPECT_EQ(graph.IndexAt(x), index);
        if (index > 0) {
            EXPECT_GT(x, graph.PointOf(index - 1).x());
            const int halfway = (x + graph.PointOf(index - 1).x()) / 2;
            EXPECT_EQ(graph.IndexAt(halfway - 1), index - 1);
            EXPECT_EQ(graph.IndexAt(halfway + 2), index);
        }
    }
    EXPECT_EQ(graph.IndexAt(-500), 0);
    EXPECT_EQ(graph.IndexAt(5000), graph.PointCount() - 1);
}

}  // namespace
}  // namespace circumvia::control
