// The move hint from the main window's menu, once through the real window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "dialogs/suggestion_dialog.h"
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
};

// Opens the hint from the menu and closes it with its button as soon as it is up.
SeenDialog AskForHint(TMainForm& window) {
    SeenDialog seen;
    QTimer closer;
    closer.setSingleShot(true);
    QObject::connect(&closer, &QTimer::timeout, [&seen] {
        auto* dialog = qobject_cast<dialogs::TFPropo*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        seen = {dialog->isVisible(), dialog->ProposedMove(), dialog->Proposal(),
                dialog->geometry().center()};
        dialog->BitBtn1->click();
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

}  // namespace
}  // namespace circumvia::control
