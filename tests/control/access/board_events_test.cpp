// The board tells assistive technologies which cells changed, so that a screen reader's
// review never reads a board that is no more: the ledger of what they were last told,
// kept over the real window.
#include <gtest/gtest.h>

#include <QTest>

#include "control/access/cell_ledger.h"
#include "control/access/move_entry.h"
#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

using testing::MainFormTest;
using Cells = std::vector<int>;

class BoardEventsTest : public MainFormTest {
protected:
    void Type(const QString& text) {
        window.Entry().setFocus();
        QTest::keyClicks(&window.Entry(), text);
        QTest::keyClick(&window.Entry(), Qt::Key_Return);
    }
    void Key(int key) { QTest::keyClick(&window.Viewer().Window(), static_cast<Qt::Key>(key)); }
    CellLedger ledger;
};

TEST_F(BoardEventsTest, SelectionDropMoveAndCaptureTellExactlyTheCellsTheyChange) {
    StartGame();
    SetBoard({{25, kRed}, {2, kRed}, {5, kWhite}, {36, kWhite}});
    EXPECT_TRUE(ledger.Update(window).renamed.empty()) << "the first look only notes the board";

    // E 1 chosen with the cursor: it is selected, its empty neighbours become destinations,
    // and so does A 5 that it could take.
    Key(Qt::Key_Return);
    Key(Qt::Key_Return);
    ASSERT_EQ(window.Turn().MoveFrom(), 25);
    CellLedger::Changes changes = ledger.Update(window);
    EXPECT_EQ(changes.renamed, (Cells{5, 19, 20, 25, 26, 31, 32}));
    EXPECT_EQ(changes.reselected, Cells{25});

    Key(Qt::Key_Escape);  // dropped: the same cells again
    changes = ledger.Update(window);
    EXPECT_EQ(changes.renamed, (Cells{5, 19, 20, 25, 26, 31, 32}));
    EXPECT_EQ(changes.reselected, Cells{25});

    Type(QStringLiteral("e1d1"));  // a step: its two cells only
    EXPECT_EQ(ledger.Update(window).renamed, (Cells{19, 25}));

    RunUntilHumanTurn();
    SetBoard({{2, kRed}, {5, kWhite}, {36, kWhite}});
    ledger.Update(window);
    Type(QStringLiteral("a2a5"));  // a capture: the taker's cell and its victim's
    EXPECT_EQ(ledger.Update(window).renamed, (Cells{2, 5}));
}

}  // namespace
}  // namespace circumvia::control
