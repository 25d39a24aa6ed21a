// How the winning-chance graph places each analysed position: Red's chance up whoever moved,
// forced results at the edges, the even line halfway, what hovering tells, and a click
// anywhere over a point choosing that point's move.
#include "control/review/evaluation_graph.h"

#include <gtest/gtest.h>

#include "lang/language.h"
#include "model/evaluation.h"

namespace circumvia::control {
namespace {

MoveAnalysis Move(Side mover, double before, double after, int value_played = 0) {
    MoveAnalysis move;
    move.mover = mover;
    move.chance_before = before;
    move.chance_after = after;
    move.value_played = value_played;
    return move;
}

class EvaluationGraphTest : public ::testing::Test {
protected:
    EvaluationGraphTest() {
        lang::SetLanguageCode('A');
        graph.resize(360, 200);
    }
    ~EvaluationGraphTest() override { lang::SetLanguageCode('F'); }

    int Height(int index) const { return graph.PointOf(index).y(); }

    EvaluationGraph graph;
};

TEST_F(EvaluationGraphTest, EachChanceIsDrawnFromRedsSide) {
    GameAnalysis analysis;
    analysis.moves = {
        Move(kRed, 0.4, 0.6),                // 1: Red a little ahead
        Move(kWhite, 0.4, 0.7),              // 2: White ahead
        Move(kRed, 0.3, 1.0, kWinScore),     // 3: Red wins by force
        Move(kWhite, 0.0, 0.0, kLossScore),  // 4: White lost
        Move(kRed, 1.0, 0.5),                // 5: back to even
        Move(kWhite, 0.5, 1.0, kWinScore),   // 6: White wins by force
    };
    graph.ShowAnalysis(analysis);
    ASSERT_EQ(graph.PointCount(), 7);
    // The start: what Red's first best move gave it.
    const int top = Height(3);
    const int bottom = Height(6);
    EXPECT_EQ(Height(4), top);
    EXPECT_NEAR(Height(0), bottom - (bottom - top) * 4 / 10, 1);
    EXPECT_NEAR(Height(1), bottom - (bottom - top) * 6 / 10, 1);
    EXPECT_NEAR(Height(2), bottom - (bottom - top) * 3 / 10, 1);
    EXPECT_NEAR(Height(5), (top + bottom) / 2, 1);
    // Hovering tells Red's chance, and White's forced win as Red's forced loss.
    EXPECT_TRUE(graph.TipOf(2).contains(QStringLiteral("30%"))) << graph.TipOf(2).toStdString();
    EXPECT_TRUE(graph.TipOf(6).contains(QStringLiteral("0%")));
    EXPECT_TRUE(graph.TipOf(6).contains(QStringLiteral("loses"))) << graph.TipOf(6).toStdString();
}

TEST_F(EvaluationGraphTest, AClickAnywhereNearAPointChoosesItsMove) {
    GameAnalysis analysis;
    for (int k = 0; k < 9; ++k) {
        analysis.moves.push_back(Move(k % 2 == 0 ? kRed : kWhite, 0.5, 0.5));
    }
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
