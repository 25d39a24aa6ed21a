// A new game through the set-up dialog, and the language menu over a running game, in the
// real main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

#include "dialogs/setup_dialog.h"
#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

using dialogs::TFSetup;

class MainFormSetupTest : public testing::MainFormTest {
protected:
    // One tick that opens the set-up dialog; `answer` acts on it while it is shown modally.
    void TickThroughSetup(const std::function<void(TFSetup&)>& answer) {
        bool shown = false;
        const QObject scope;  // drops the answer if this tick opens no dialog
        QTimer::singleShot(0, &scope, [&] {
            if (auto* setup = qobject_cast<TFSetup*>(QApplication::activeModalWidget())) {
                shown = true;
                answer(*setup);
            }
        });
        Tick();
        window.Timer1().stop();  // the test delivers the ticks
        EXPECT_TRUE(shown) << "the tick opened no set-up dialog";
    }

    static void Confirm(TFSetup& setup) { setup.BitBtn1->click(); }
};

TEST_F(MainFormSetupTest, NewGameOpensTheSetUpAndTheChosenComputersPlay) {
    StartGame();
    window.Menu().FileNewItem->trigger();
    EXPECT_EQ(window.Turn().State(), LoopState::ChoosingPlayers);
    TickThroughSetup([this](TFSetup& setup) {
        EXPECT_EQ(setup.parentWidget(), &window);
        setup.CB_1->setCurrentIndex(1);
        setup.CB_2->setCurrentIndex(2);
        setup.CB_nom1->setEditText(QStringLiteral("Anna"));
        setup.CB_nom2->setEditText(QStringLiteral("Bruno"));
        Confirm(setup);
    });
    const Tjeu& game = window.Game();
    EXPECT_EQ(game.PlayerOf(kWhite).Kind, 1);
    EXPECT_EQ(game.PlayerOf(kRed).Kind, 2);
    EXPECT_EQ(window.Status().PanelText(1), "Anna");
    EXPECT_EQ(window.Status().PanelText(2), "Bruno");
    const QSettings stored;
    EXPECT_EQ(stored.value(QStringLiteral("Parameters/P1")).toString(), "Anna");
    EXPECT_EQ(stored.value(QStringLiteral("Parameters/P2")).toString(), "Bruno");
    EXPECT_TRUE(window.PlayerNames().contains(QStringLiteral("Anna;")));
    EXPECT_TRUE(window.PlayerNames().contains(QStringLiteral("Bruno;")));

    // Nobody clicks: the two computers take turns by themselves.
    for (int i = 0; i < 600 && game.Current < 4 && game.Result == kInProgress; ++i) {
        FinishAnimations();
        Tick();
    }
    EXPECT_GE(game.Current, 4);
    EXPECT_NE(game.History[1].Mover, game.History[2].Mover);
}

class NewGameAfterTheEnd : public MainFormSetupTest, public ::testing::WithParamInterface<int> {};

TEST_P(NewGameAfterTheEnd, StartsAFreshGameInsteadOfShowingTheResultAgain) {
    StartGame();
    window.PlayMove(26, 20);
    RunUntilHumanTurn();
    window.Game().Result = GetParam();  // the human won, lost, or the game was drawn
    Tick();
    ASSERT_EQ(window.Turn().State(), LoopState::GameOver);

    window.FileNew();
    TickThroughSetup(Confirm);
    EXPECT_EQ(window.Game().Result, kInProgress);
    EXPECT_EQ(window.Game().FileName, kNoName);
    EXPECT_EQ(window.Game().Current, 0);
    EXPECT_EQ(window.Game().Pos, Position::Start());
    Tick();
    EXPECT_NE(window.Turn().State(), LoopState::GameOver);
    EXPECT_EQ(window.Turn().State(),
              window.Game().SideToMove == kRed ? LoopState::HumanTurn : LoopState::ComputerTurn);
}

INSTANTIATE_TEST_SUITE_P(MainFormSetupTest, NewGameAfterTheEnd,
                         ::testing::Values(kRedWon, kWhiteWon, kDrawn));

TEST_F(MainFormSetupTest, ACancelledSetUpLeavesTheGameAsItWasAndKindsAreRemembered) {
    StartGame();
    window.PlayMove(26, 20);
    RunUntilHumanTurn();
    const Position position = window.Game().Pos;
    const int current = window.Game().Current;
    const QString caption = window.windowTitle();
    const QString status = window.Status().StatusText();
    int save_questions = 0;
    FileDialogs dialogs = PlatformFileDialogs();
    dialogs.ask_save = [&](QWidget*, const QString&) {
        ++save_questions;
        return SaveAnswer::kDiscard;
    };
    window.SetFileDialogs(dialogs);
    const std::function<void(TFSetup&)> ways_out[] = {
        [](TFSetup& setup) { QTest::keyClick(&setup, Qt::Key_Escape); },
        [](TFSetup& setup) { setup.CancelButton->click(); },
        [](TFSetup& setup) { setup.close(); },
    };
    for (const auto& way_out : ways_out) {
        window.FileNew();
        TickThroughSetup([&](TFSetup& setup) {
            EXPECT_TRUE(setup.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
            setup.CB_1->setCurrentIndex(5);
            way_out(setup);
        });
        EXPECT_EQ(window.Game().Pos, position);
        EXPECT_EQ(window.Game().Current, current);
        EXPECT_EQ(window.windowTitle(), caption);
        EXPECT_TRUE(window.HasUnsavedMoves());
        EXPECT_EQ(window.Status().StatusText(), status);
        EXPECT_EQ(window.Turn().State(), LoopState::HumanTurn);
    }
    EXPECT_EQ(save_questions, 0);  // no game was about to be replaced

    window.FileNew();
    TickThroughSetup([](TFSetup& setup) {
        setup.CB_1->setCurrentIndex(5);
        setup.CB_2->setCurrentIndex(2);
        Confirm(setup);
    });
    EXPECT_EQ(save_questions, 1);
    EXPECT_EQ(window.Game().Current, 0);
    EXPECT_FALSE(window.HasUnsavedMoves());
    window.FileNew();
    TickThroughSetup([](TFSetup& setup) {
        EXPECT_EQ(setup.CB_1->currentIndex(), 5);
        EXPECT_EQ(setup.CB_2->currentIndex(), 2);
        setup.reject();
    });
}

TEST_F(MainFormSetupTest, LanguageMenuRelabelsWithoutTouchingTheGame) {
    StartGame();
    window.PlayMove(26, 20);
    RunUntilHumanTurn();
    const Position position = window.Game().Pos;
    const int current = window.Game().Current;
    const QString white_panel = window.Status().PanelText(1);
    const QString red_panel = window.Status().PanelText(2);
    const QString status = window.Status().StatusText();

    for (QAction* language : {window.Menu().Allemand1, window.Menu().Espagnol1,
                              window.Menu().Anglais1, window.Menu().Franais1}) {
        language->trigger();
        EXPECT_EQ(window.Game().Pos, position);
        EXPECT_EQ(window.Game().Current, current);
        EXPECT_EQ(window.Turn().State(), LoopState::HumanTurn);
        EXPECT_EQ(window.Status().PanelText(1), white_panel);
        EXPECT_EQ(window.Status().PanelText(2), red_panel);
        EXPECT_EQ(window.Status().StatusText(), status);  // replaced by the next message only
    }
    window.Menu().Allemand1->trigger();
    EXPECT_EQ(window.Menu().FileMenu->title(), "&Datei");
    Tick();
    EXPECT_EQ(window.Status().StatusText().toStdString(),
              window.Game().PlayerOf(kRed).Name + " ist am Zug.  Computer: Stufe 3");
}

}  // namespace
}  // namespace circumvia::control
