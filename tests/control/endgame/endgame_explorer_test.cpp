// The endgame explorer's panel through a stand-in window: the moves' results shown for the
// position on the board, hidden while a practice runs, each move of the learner judged by
// the table, and no help during a rated game.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <random>

#include "control/endgame/endgame_dock.h"
#include "control/endgame/endgame_explorer.h"
#include "dialogs/exact_value_text.h"
#include "lang/language.h"
#include "model/movegen.h"
#include "model/notation.h"
#include "tests/model/endgame_fixtures.h"

namespace circumvia::control {
namespace {

class FakeWindow : public EndgameExplorerHost {
public:
    const Tjeu& ExploredGame() const override { return game; }
    bool RecordClosed() const override { return closed; }
    bool StartPractice(Side learner) override {
        endgame::SetUpPractice(game, learner);
        return true;
    }
    void PlayExploredMove(Move) override {}
    void TellPractice(const QString& text) override { told = text; }

    Tjeu game;
    bool closed = false;
    QString told;
};

TEST(EndgameExplorerPanel, ShowsTheMovesHidesThemInPracticeAndJudgesTheLearner) {
    lang::SetLanguageCode('A');
    // Two against one, Red to move and winning, with a move that throws the win away.
    std::mt19937 random(3);
    FakeWindow host;
    std::optional<endgame::Exploration> explored;
    do {
        host.game.Pos = testing::RandomPosition(random, 2, 1);
        explored = endgame::Explore(testing::SmallTable(), host.game.Pos, kRed);
    } while (explored->value.outcome != endgame::Outcome::Win ||
             explored->moves.back().value.outcome == endgame::Outcome::Win);
    host.game.SideToMove = kRed;
    QMainWindow window;
    QMenu menu;
    EndgameExplorer explorer(host, window, nullptr, menu, [] {
        return std::shared_ptr<const endgame::EndgameTable>(&testing::SmallTable(), [](auto*) {});
    });
    EndgameDock& dock = explorer.Dock();
    dock.show();
    explorer.Follow();
    ASSERT_EQ(static_cast<int>(explored->moves.size()), dock.List().count());
    const Move best = explored->moves[0].move;
    const auto exact = [](const endgame::EndgameValue& v) {
        return QString::fromStdString(dialogs::ExactValueText(v));
    };
    EXPECT_TRUE(dock.List().item(0)->text().startsWith(
        QString::fromStdString(MoveText(best.From, best.To))));
    EXPECT_TRUE(dock.List().item(0)->text().endsWith(exact(explored->value)));
    EXPECT_TRUE(dock.Verdict().text().endsWith(exact(explored->value)));
    EXPECT_TRUE(dock.WinButton().isEnabled());

    // Practising the win: Red by hand, the results hidden until the practice ends.
    explorer.Practise(true);
    EXPECT_EQ(kHuman, host.game.PlayerOf(kRed).Kind);
    EXPECT_EQ(kExpertLevel, host.game.PlayerOf(kWhite).Kind);
    EXPECT_TRUE(dock.List().isHidden());
    EXPECT_FALSE(dock.WinButton().isEnabled());
    const Move worst = explored->moves.back().move;
    host.game.ApplyMove(host.game.Pos, worst.From, worst.To);
    explorer.Follow();
    EXPECT_TRUE(host.told.contains(exact(explored->value))) << host.told.toStdString();
    EXPECT_TRUE(host.told.contains(exact(explored->moves.back().value))) << host.told.toStdString();
    EXPECT_EQ(host.told, dock.Feedback().text());
    lang::SetLanguageCode('F');  // the judgement follows a change of language
    explorer.Relabel();
    EXPECT_TRUE(dock.Feedback().text().contains(exact(explored->moves.back().value)));
    // Another game on the board ends the practice; a rated game closes the table.
    host.game.PlayerOf(kWhite).Kind = kHuman;
    explorer.Follow();
    EXPECT_TRUE(dock.Feedback().text().isEmpty());
    host.closed = true;
    explorer.Follow();
    EXPECT_EQ(0, dock.List().count());
    EXPECT_FALSE(dock.WinButton().isEnabled());
}

}  // namespace
}  // namespace circumvia::control
