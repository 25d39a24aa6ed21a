// Playing with the keyboard alone, and the board as a screen reader reads it: keys sent to
// the real viewport window, names read through Qt's accessibility interfaces.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QWindow>
#include <set>

#include "control/access/move_entry.h"
#include "lang/text_ids.h"
#include "model/movegen.h"
#include "model/notation.h"
#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

using testing::MainFormTest;

class MainFormKeysTest : public MainFormTest {
protected:
    void Keys(std::initializer_list<int> keys, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        for (int key : keys) {
            QTest::keyClick(&window.Viewer().Window(), static_cast<Qt::Key>(key), modifiers);
        }
    }
    void Type(const QString& text) {
        MoveEntry& entry = window.Entry();
        entry.setFocus();
        entry.selectAll();
        QTest::keyClicks(&entry, text);
        QTest::keyClick(&entry, Qt::Key_Return);
    }
    QAccessibleInterface* BoardTable() {
        return QAccessible::queryAccessibleInterface(&window.Viewer());
    }
    QString Cell(int cell) { return BoardTable()->child(cell - 1)->text(QAccessible::Name); }
    Move Recorded(int k) {
        const auto& entry = window.Game().History[k];
        return {static_cast<std::uint8_t>(entry.From), static_cast<std::uint8_t>(entry.To)};
    }
    double BoardTurn() { return window.Board().DummyCube->TurnAngle(); }
};

TEST_F(MainFormKeysTest, TheCursorWalksSelectsAndPlaysInBothViewsAndGivesTheArrowsBack) {
    StartGame();
    window.TB_vue1Click();
    const double turn = BoardTurn();
    Keys({Qt::Key_Left});  // no cursor yet: the designed turn of the board
    EXPECT_EQ(BoardTurn(), turn - 1);

    Keys({Qt::Key_Return});
    EXPECT_EQ(window.CursorCell(), 31);  // Red's first piece from its own edge
    EXPECT_TRUE(window.CoordinatesShown());
    Keys({Qt::Key_Up, Qt::Key_Left, Qt::Key_Return});  // F 1, up to E 1 (left: the edge)
    EXPECT_EQ(window.Turn().MoveFrom(), 25);
    Keys({Qt::Key_Up, Qt::Key_Return});
    EXPECT_EQ(Recorded(1), (Move{25, 19}));
    EXPECT_EQ(BoardTurn(), turn - 1) << "arrows walked the cursor, not the board";
    Keys({Qt::Key_Left}, Qt::ShiftModifier);  // Shift with an arrow still turns the board
    EXPECT_EQ(BoardTurn(), turn - 2);

    RunUntilHumanTurn();
    window.TB_vue2Click();
    Keys({Qt::Key_Down, Qt::Key_Down, Qt::Key_Right, Qt::Key_Return});  // D 1 to F 2
    EXPECT_EQ(window.Turn().MoveFrom(), 32);
    Keys({Qt::Key_Escape});  // drops the selection, the cursor stays
    EXPECT_EQ(window.Turn().Phase(), kNoSelection);
    EXPECT_EQ(window.CursorCell(), 32);
    Keys({Qt::Key_Space, Qt::Key_Up, Qt::Key_Left, Qt::Key_Enter});  // F 2 to E 1
    EXPECT_EQ(Recorded(3), (Move{32, 25}));

    RunUntilHumanTurn();
    Keys({Qt::Key_Escape});  // puts the cursor away: the arrows turn the board again
    EXPECT_EQ(window.CursorCell(), 0);
    EXPECT_FALSE(window.CoordinatesShown());
    const double before = BoardTurn();
    Keys({Qt::Key_Right});
    EXPECT_EQ(BoardTurn(), before + 1);
}

TEST_F(MainFormKeysTest, TypedMovesPlayAsTwoClicksOrAreRefusedWithNothingChanged) {
    StartGame();
    const Position start = window.Game().Pos;
    const struct {
        const char* typed;
        int message;
        const char* detail;
    } refused[] = {
        {"e1 d1 d2", lang::message::kMoveNotUnderstood, "e1 d1 d2"},
        {"G1-D1", lang::message::kMoveNotUnderstood, "G1-D1"},
        {"e1c1", lang::message::kMoveNotPossible, "E 1->C 1"},
        {"A1 C1", lang::message::kMoveNotPossible, "A 1->C 1"},  // White's piece
    };
    for (const auto& r : refused) {
        Type(QString::fromLatin1(r.typed));
        const std::string said = lang::FormatText(lang::LoadText(r.message), {r.detail});
        EXPECT_TRUE(window.Status().StatusText().contains(QString::fromStdString(said)))
            << r.typed << ": " << window.Status().StatusText().toStdString();
        Tick();  // the turn message keeps the refusal beside it
        EXPECT_TRUE(window.Status().StatusText().contains(QString::fromStdString(said)));
        EXPECT_EQ(window.Game().Pos, start);
        EXPECT_EQ(window.Turn().Phase(), kNoSelection);
    }

    EXPECT_EQ(window.focusWidget(), &window.Entry()) << "a refused move stays there to be mended";
    window.activateWindow();  // shortcuts need the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window.Entry(), Qt::Key_F2);  // no focus change to be heard: told in words
    EXPECT_TRUE(window.Status().accessibleName().startsWith(window.Entry().accessibleName()))
        << window.Status().accessibleName().toStdString();
    Type(QStringLiteral("e1 d1"));
    EXPECT_EQ(Recorded(1), (Move{25, 19}));
    EXPECT_EQ(window.Turn().Phase(), kMoveUnderWay);
    EXPECT_TRUE(window.Entry().text().isEmpty());
    // Played, the move gives the game's keys back to the board: Ctrl+Z takes it back.
    EXPECT_EQ(window.focusWidget(), &window.Viewer());
    EXPECT_FALSE(window.Entry().isUndoAvailable());

    // While the computer thinks, nothing typed is played.
    FinishAnimations();
    Tick(2);
    ASSERT_EQ(window.Turn().State(), LoopState::ComputerTurn);
    const Position mine = window.Game().Pos;
    Type(QStringLiteral("f1 e1"));
    EXPECT_EQ(window.Game().Pos, mine);
    EXPECT_TRUE(window.Status().StatusText().contains(
        QString::fromStdString(lang::LoadText(lang::message::kNotYourTurn))));

    // Typed as soon as the reply is said, while it still lands: played, not sent away.
    for (int i = 0; i < 100 && window.Turn().Phase() != kMoveUnderWay; ++i) Tick();
    ASSERT_EQ(window.Turn().State(), LoopState::ComputerTurn);
    const Move answer = ListAllMoves(window.Game().Pos, kRed).front();
    Type(QString::fromStdString(MoveText(answer.From, answer.To)));
    RunUntilHumanTurn();
    EXPECT_EQ(Recorded(3), answer);

    // A row letter typed on the board starts the entry with it.
    RunUntilHumanTurn();
    Keys({Qt::Key_E});
    EXPECT_EQ(window.Entry().text(), QStringLiteral("e"));
}

TEST_F(MainFormKeysTest, CellsSayContentAndStateInTheCurrentLanguage) {
    StartGame();
    QAccessibleInterface* board = BoardTable();
    ASSERT_NE(board, nullptr);
    EXPECT_EQ(board->role(), QAccessible::Table);
    ASSERT_EQ(board->childCount(), 36);

    window.Menu().Anglais1->trigger();
    EXPECT_EQ(board->text(QAccessible::Name), QStringLiteral("Board"));
    EXPECT_EQ(Cell(25), QStringLiteral("E 1, Red piece"));
    EXPECT_EQ(Cell(1), QStringLiteral("A 1, White piece"));
    Keys({Qt::Key_Return, Qt::Key_Up, Qt::Key_Return});  // the cursor selects E 1
    EXPECT_EQ(Cell(25), QStringLiteral("E 1, Red piece, selected"));
    EXPECT_EQ(Cell(19), QStringLiteral("D 1, empty, possible destination"));
    EXPECT_EQ(board->focusChild(), board->child(24)) << "the cursor is the focus";
    EXPECT_TRUE(board->child(24)->state().selected);

    window.Menu().Franais1->trigger();
    EXPECT_EQ(Cell(25), QStringLiteral("E 1, pion rouge, sélectionné"));
    EXPECT_EQ(Cell(19), QStringLiteral("D 1, vide, destination possible"));
    Keys({Qt::Key_Up, Qt::Key_Return});
    EXPECT_EQ(Cell(25), QStringLiteral("E 1, vide"));
    EXPECT_EQ(Cell(19), QStringLiteral("D 1, pion rouge"));

    // A capture, in English: the taker stands where its victim stood.
    RunUntilHumanTurn();
    window.Menu().Anglais1->trigger();
    SetBoard({{2, kRed}, {5, kWhite}, {36, kWhite}});
    Type(QStringLiteral("A2-A5"));
    EXPECT_EQ(Cell(2), QStringLiteral("A 2, empty"));
    EXPECT_EQ(Cell(5), QStringLiteral("A 5, Red piece"));
    const QString white_panel = PanelSummary(1, window.Game());
    EXPECT_TRUE(white_panel.startsWith(QStringLiteral("White: 1 piece,")))
        << white_panel.toStdString();
}

// The letter after a single '&', or none.
QChar Mnemonic(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == u'&') {
            if (text[i + 1] != u'&') return text[i + 1].toLower();
            ++i;
        }
    }
    return {};
}

// Every title and item of `actions` (a menu or the bar) and of their submenus has a
// mnemonic of its own in its menu.
void ExpectOwnMnemonics(const QList<QAction*>& actions, char language) {
    std::set<QChar> seen;
    for (QAction* action : actions) {
        if (action->isSeparator()) continue;
        const QChar letter = Mnemonic(action->text());
        EXPECT_FALSE(letter.isNull()) << language << ": " << action->text().toStdString();
        EXPECT_TRUE(seen.insert(letter).second) << language << ": " << action->text().toStdString();
        if (action->menu() != nullptr) ExpectOwnMnemonics(action->menu()->actions(), language);
    }
}

TEST_F(MainFormKeysTest, MenusHaveMnemonicsInEachLanguageAndTheConventionalKeys) {
    for (char language : {'F', 'A', 'E', 'D'}) {
        window.Menu().LanguageItem(language)->trigger();
        ExpectOwnMnemonics(window.menuBar()->actions(), language);
    }
    const MainMenu& menu = window.Menu();
    EXPECT_TRUE(menu.FileExitItem->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Q)));
    EXPECT_TRUE(menu.FileExitItem->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_X)));
    EXPECT_TRUE(menu.Coupprcdent1->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Z)));
    EXPECT_TRUE(
        menu.Coupsuivant1->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)));
}

TEST_F(MainFormKeysTest, TheCoordinatesOptionIsKeptForTheNextStart) {
    StartGame();
    EXPECT_FALSE(window.CoordinatesShown());
    window.Menu().Coordinates->trigger();
    EXPECT_TRUE(window.CoordinatesShown());
    Keys({Qt::Key_Return, Qt::Key_Escape});  // the cursor's coming and going leaves them on
    EXPECT_TRUE(window.CoordinatesShown());
    TMainForm next([] { return 0u; });
    EXPECT_TRUE(next.CoordinatesShown());
    EXPECT_TRUE(next.Menu().Coordinates->isChecked());
}

}  // namespace
}  // namespace circumvia::control
