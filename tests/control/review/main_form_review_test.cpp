// The review of a finished game in the real window: stepping to every move, the analysis
// run off the user-interface thread, and the graph and mistake keys against the move list.
#include <QPushButton>
#include <QTest>
#include <QThreadPool>
#include <QTreeView>
#include <vector>

#include "control/record/move_list.h"
#include "control/review/analysis_dock.h"
#include "control/review/analysis_job.h"
#include "control/review/evaluation_graph.h"
#include "control/window/status_line.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/record_review.h"
#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

using testing::MainFormTest;

class ReviewTest : public MainFormTest {
protected:
    // Two computers (levels 1 and 2) play a whole game by themselves.
    void PlayComputerGame() {
        Tick();
        window.Game().PlayerOf(kRed).Kind = 1;
        window.Game().PlayerOf(kWhite).Kind = 2;
        window.Game().Random.Seed(12345);
        for (int ticks = 0; window.Turn().State() != LoopState::GameOver && ticks < 40000;
             ++ticks) {
            FinishAnimations();
            Tick();
        }
        ASSERT_EQ(window.Turn().State(), LoopState::GameOver);
        last = LastRecordedEntry(window.Game());
        ASSERT_GT(last, 10);
    }

    // Runs Edit > Analyse the game (or `start`) and waits for its end; true when completed.
    bool Analyse(const std::function<void()>& start = {}) {
        bool finished = false;
        bool completed = false;
        const QMetaObject::Connection connection = QObject::connect(
            &window.Review().Job(), &AnalysisJob::Finished, [&](const GameAnalysis&, bool done) {
                finished = true;
                completed = done;
            });
        window.Menu().AnalyseItem->trigger();
        if (start) start();
        EXPECT_TRUE(QTest::qWaitFor([&] { return finished; }, 120000));
        QObject::disconnect(connection);
        return completed;
    }

    // A hidden list builds no rows: the list is shown before a row is chosen.
    void ChooseRow(int row) {
        window.MoveList().show();
        ASSERT_LT(row, window.MoveList().RowCount()) << "row " << row;
        QTreeView& list = window.MoveList().List();
        list.setCurrentIndex(list.model()->index(row, MoveListModel::kNumberColumn));
    }

    int last = 0;
};

TEST_F(ReviewTest, AFinishedComputerGameCanBeSteppedThroughMoveByMove) {
    PlayComputerGame();
    const Tjeu& game = window.Game();
    for (int k = last; k > 0; --k) {
        ASSERT_TRUE(window.Menu().Coupprcdent1->isEnabled()) << k;
        window.Menu().Coupprcdent1->trigger();
        ASSERT_EQ(game.Current, k - 1);
        EXPECT_EQ(game.Pos, game.History[static_cast<std::size_t>(k - 1)].Cells);
    }
    EXPECT_FALSE(window.Menu().Coupprcdent1->isEnabled());
    // Standing in the middle of the game, nobody plays on and the record stays whole.
    ChooseRow(last / 2);
    EXPECT_EQ(game.Current, last / 2);
    EXPECT_EQ(window.MoveList().HighlightedRow(), last / 2);
    Tick(30);
    EXPECT_EQ(game.Current, last / 2);
    EXPECT_EQ(LastRecordedEntry(game), last);
    for (int k = last / 2 + 1; k <= last; ++k) {
        window.Menu().Coupsuivant1->trigger();
        ASSERT_EQ(game.Current, k);
    }
    EXPECT_FALSE(window.Menu().Coupsuivant1->isEnabled());
    Tick();
    EXPECT_EQ(window.Turn().State(), LoopState::GameOver);
}

TEST_F(ReviewTest, GraphClicksAndMistakeKeysLandWhereTheMoveListDoes) {
    PlayComputerGame();
    ASSERT_TRUE(Analyse());
    ASSERT_EQ(static_cast<int>(window.Review().Analysis().moves.size()), last);
    EvaluationGraph& graph = window.Review().Dock().Graph();
    ASSERT_TRUE(graph.isVisible());
    ASSERT_EQ(graph.PointCount(), last + 1);
    for (const int k : {last, 0, 1, last / 2, last - 1}) {
        ChooseRow(k);
        const int by_list = window.Game().Current;
        const Position board = window.Game().Pos;
        ChooseRow(k == 0 ? last : 0);
        QTest::mouseClick(&graph, Qt::LeftButton, {}, graph.PointOf(k));
        EXPECT_EQ(window.Game().Current, by_list) << k;
        EXPECT_EQ(window.Game().Pos, board) << k;
        EXPECT_EQ(window.MoveList().HighlightedRow(), by_list) << k;
    }

    // The mistake keys stop exactly on the rows the move list marks "?", "??" or "#?".
    std::vector<int> marked;
    for (int row = 1; row <= last; ++row) {
        const QString mark = window.MoveList().MarkOf(row);
        if (mark == QStringLiteral("?") || mark == QStringLiteral("??") ||
            mark == QStringLiteral("#?")) {
            marked.push_back(row);
        }
    }
    ASSERT_FALSE(marked.empty()) << "a level-1 player makes mistakes";
    ChooseRow(0);
    std::vector<int> forward;
    while (window.Menu().NextMistakeItem->isEnabled() && forward.size() <= marked.size()) {
        window.Menu().NextMistakeItem->trigger();
        forward.push_back(window.Game().Current);
        EXPECT_EQ(window.MoveList().HighlightedRow(), window.Game().Current);
        EXPECT_FALSE(window.MoveList().Detail().isEmpty());
    }
    EXPECT_EQ(forward, marked);
    std::vector<int> backward;
    while (window.Menu().PreviousMistakeItem->isEnabled() && backward.size() <= marked.size()) {
        window.Menu().PreviousMistakeItem->trigger();
        backward.push_back(window.Game().Current);
    }
    EXPECT_EQ(backward, std::vector<int>(marked.rbegin() + 1, marked.rend()));
    EXPECT_FALSE(window.Review().Dock().SummaryText().isEmpty());
}

TEST_F(ReviewTest, CancelMidwayKeepsTheMovesDoneAndLeavesNoThreadWorking) {
    PlayComputerGame();
    EXPECT_FALSE(Analyse([this] { window.Review().Dock().CancelButton().click(); }));
    EXPECT_FALSE(window.Review().Job().Running());
    EXPECT_EQ(QThreadPool::globalInstance()->activeThreadCount(), 0);
    EXPECT_LT(static_cast<int>(window.Review().Analysis().moves.size()), last);
    EXPECT_TRUE(window.Menu().AnalyseItem->isEnabled());
    // Asked again, the analysis goes on from where it stopped, to the end.
    EXPECT_TRUE(Analyse());
    EXPECT_EQ(static_cast<int>(window.Review().Analysis().moves.size()), last);
    // The end is said to screen readers, not only written: their users wait for it.
    EXPECT_EQ(window.Status().accessibleName().toStdString(),
              lang::LoadText(lang::message::kReviewComplete));
}

}  // namespace
}  // namespace circumvia::control
