// The move hint from the main window's menu, once through the real window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dialogs/paint_box.h"
#include "dialogs/suggestion_dialog.h"
#include "model/notation.h"
#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

using testing::MainFormTest;

// What the hint dialog showed, read while it was open.
struct SeenDialog {
    bool shown = false;
    Move proposed;
    Position proposal;
    QPoint centre;
    QString written;
};

using Closing = void (*)(dialogs::TFPropo&);
void CloseButton(dialogs::TFPropo& dialog) {
    dialog.BitBtn1->click();
}

// Opens the hint from the menu and closes it as soon as it is up.
SeenDialog AskForHint(TMainForm& window, Closing closing = CloseButton) {
    SeenDialog seen;
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&seen, closing] {
        auto* dialog = qobject_cast<dialogs::TFPropo*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        seen = {dialog->isVisible(), dialog->ProposedMove(), dialog->Proposal(),
                dialog->geometry().center(), dialog->MoveLabel->text()};
        closing(*dialog);
    });
    closer.start(0);
    window.Menu().Proposeruncoup1->trigger();
    return seen;
}

TEST_F(MainFormTest, HintFromTheMenuProposesAMoveThatCanThenBePlayed) {
    StartGame();
    window.PlayMove(26, 20);
    RunUntilHumanTurn();
    const Position before = window.Game().Pos;
    const int current = window.Game().Current;
    ASSERT_TRUE(window.Menu().Proposeruncoup1->isEnabled());

    const SeenDialog seen = AskForHint(window);
    ASSERT_TRUE(seen.shown);
    EXPECT_LE((seen.centre - window.geometry().center()).manhattanLength(), 2);
    ASSERT_FALSE(seen.proposed.IsNull());
    EXPECT_EQ(before[seen.proposed.From], kRed);
    EXPECT_EQ(window.Game().Pos, before) << "asking for a hint changes nothing";
    EXPECT_EQ(window.Game().Current, current);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    window.PlayMove(seen.proposed.From, seen.proposed.To);
    EXPECT_EQ(window.Game().Current, current + 1);
    EXPECT_EQ(window.Game().Pos, seen.proposal);
    // The computer is to move now: no hint for it.
    EXPECT_FALSE(AskForHint(window).shown);
}

// The hint names its move in the notation and plays it, by its button or by a double-click
// on the proposal, as the player's two clicks would.
TEST_F(MainFormTest, TheHintIsWrittenInTheNotationAndPlayedFromItsWindow) {
    StartGame();
    const Closing play_button = [](dialogs::TFPropo& d) { d.PlayButton->click(); };
    const Closing double_click = [](dialogs::TFPropo& d) {
        QTest::mouseDClick(d.PB_propo, Qt::LeftButton);
    };
    for (const Closing closing : {play_button, double_click}) {
        const int current = window.Game().Current;
        const SeenDialog seen = AskForHint(window, closing);
        ASSERT_TRUE(seen.shown);
        EXPECT_EQ(seen.written.toStdString(), MoveText(seen.proposed.From, seen.proposed.To));
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        ASSERT_EQ(window.Game().Current, current + 1);
        EXPECT_EQ(window.Game().History[current + 1].From, seen.proposed.From);
        EXPECT_EQ(window.Game().History[current + 1].To, seen.proposed.To);
        EXPECT_EQ(window.Turn().Phase(), kMoveUnderWay);
        EXPECT_EQ(window.Turn().MoveFrom(), 0);
        // Both sides are played by hand here: the next hint is for the other side.
        window.Game().PlayerOf(window.Game().SideToMove).Kind = kHuman;
        RunUntilHumanTurn();
    }
}

}  // namespace
}  // namespace circumvia::control
