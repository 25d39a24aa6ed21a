// Lines tried in the window: a branch never loses the old line; who answers in it.
#include <gtest/gtest.h>

#include <QTreeView>

#include "control/record/move_list.h"
#include "control/window/status_line.h"
#include "model/movegen.h"
#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

using testing::MainFormTest;

void PlayListed(TMainForm& window, std::size_t choice) {
    const Tlcoup moves = ListAllMoves(window.Game().Pos, window.Game().SideToMove);
    ASSERT_GT(moves.size(), choice);
    window.PlayMove(moves[choice].From, moves[choice].To);
}

TEST_F(MainFormTest, ABranchAgainstTheComputerKeepsTheOldLineAndIsAnswered) {
    StartGame();
    PlayListed(window, 0);
    RunUntilHumanTurn();
    PlayListed(window, 0);
    RunUntilHumanTurn();
    ASSERT_EQ(window.Game().Current, 4);
    const HistoryEntry old_move = window.Game().History[3];
    window.TB_retClick();
    ASSERT_EQ(window.Game().Current, 2);
    PlayListed(window, 1);
    RunUntilHumanTurn();
    EXPECT_EQ(window.Game().Current, 4);  // the computer answered in the new line
    const GameTree& tree = window.Game().Tree;
    const int branch = tree.Line()[2];
    ASSERT_EQ(tree.ChildCount(branch), 2);
    const int old_node = tree.Children(branch)[0];
    EXPECT_TRUE(SameMove(tree.Node(old_node).Entry, old_move));
    EXPECT_NE(tree.Node(old_node).FirstChild, kNoNode);  // with the computer's old reply
    EXPECT_EQ(tree.ChildNumber(tree.Line()[3]), 2);
}

TEST_F(MainFormTest, AfterTheEndBothSidesMovesArePlayedFreelyWithoutAnAnswer) {
    StartGame();
    // Red captures White's last piece: the game is over.
    Position board;
    board[13] = kRed;
    board[20] = kRed;
    Move capture;
    for (int cell = 1; cell <= kCellCount && capture.IsNull(); ++cell) {
        if (board[cell] != kEmpty) continue;
        board[cell] = kWhite;
        for (const Move move : ListAllMoves(board, kRed)) {
            if (move.To == cell) capture = move;
        }
        if (capture.IsNull()) board[cell] = kEmpty;
    }
    ASSERT_FALSE(capture.IsNull());
    window.Game().Pos = board;
    window.Game().History.Set(0, HistoryEntry{board, 0, 0, 0});
    window.Game().AdoptRecord();
    window.RefreshPieces();
    window.PlayMove(capture.From, capture.To);
    RunUntilHumanTurn();
    ASSERT_EQ(window.Game().Result, kRedWon);

    window.GoToRecordedMove(0);
    const Move other = capture.From == 13 ? Move{20, 14} : Move{13, 14};
    window.PlayMove(other.From, other.To);
    RunUntilHumanTurn();
    EXPECT_EQ(window.Turn().State(), LoopState::HumanTurn);  // White's move is the player's
    EXPECT_EQ(window.Game().SideToMove, kWhite);
    EXPECT_EQ(window.Game().Current, 1);
    EXPECT_EQ(window.Game().Tree.ChildCount(kRootNode), 2);
}

TEST_F(MainFormTest, TheVariationKeysWalkTheTreeTheListShowsItAndADeletionIsUndone) {
    window.ChooseLanguage('A');
    StartGame();
    window.MoveList().show();
    // Three moves tried from the same position, each answered by the computer.
    const int at = window.Game().Current;
    const GameTree& tree = window.Game().Tree;
    const int branch = window.Game().CurrentNode();
    for (const std::size_t answer : {0, 1, 2}) {
        window.GoToRecordedMove(at);
        PlayListed(window, answer);
        RunUntilHumanTurn();
    }
    const std::vector<int> answers = tree.Children(branch);
    ASSERT_EQ(answers.size(), 3u);
    const auto at_move = static_cast<std::size_t>(at + 1);
    // The record runs through `node`; the board stands on a position the game lets the
    // player stop at, after the computer's reply.
    const auto expect_at = [&](int node, const std::string& text) {
        ASSERT_GT(tree.Line().size(), at_move) << text;
        EXPECT_EQ(tree.Line()[at_move], node) << text;
        EXPECT_EQ(window.Game().Current, at + 2) << text;
        const std::string said = window.Status().StatusText().toStdString();
        EXPECT_EQ(said.rfind(text, 0), 0u) << said;
    };
    const MainMenu& menu = window.Menu();
    menu.PreviousVariationItem->trigger();
    expect_at(answers[1], "Variation 2 of 3: ");
    menu.PreviousVariationItem->trigger();
    expect_at(answers[0], "Main line, 1 of 3: ");
    menu.PreviousVariationItem->trigger();  // at the end: stays, and says where it is
    expect_at(answers[0], "Main line, 1 of 3: ");
    menu.BranchPointItem->trigger();
    EXPECT_EQ(window.Game().CurrentNode(), branch);
    EXPECT_EQ(window.Status().StatusText().toStdString().rfind("Branch point: ", 0), 0u);
    menu.NextVariationItem->trigger();  // from the branch point, into the next alternative
    expect_at(answers[1], "Variation 2 of 3: ");

    // The moves up to the branch, the main move, each variation bracketed under it with its
    // reply, then the main line's reply.
    MoveListDock& list = window.MoveList();
    ASSERT_EQ(list.RowCount(), at + 7);
    EXPECT_EQ(list.HighlightedRow(), at + 3);  // the reply in the second line
    for (const int row : {at + 2, at + 4}) {
        EXPECT_TRUE(list.Text(row, MoveListModel::kMoveColumn).startsWith("   ("));
        EXPECT_TRUE(list.Text(row + 1, MoveListModel::kMoveColumn).endsWith(")"));
    }
    QTreeView& rows = list.List();
    rows.setCurrentIndex(rows.model()->index(at + 4, MoveListModel::kNumberColumn));
    expect_at(answers[2], "");

    menu.DeleteVariationItem->trigger();
    EXPECT_EQ(tree.ChildCount(branch), 2);
    EXPECT_EQ(window.Game().CurrentNode(), branch);
    EXPECT_EQ(list.RowCount(), at + 5);
    menu.UndoTreeItem->trigger();
    EXPECT_EQ(tree.Children(branch), answers);
    expect_at(answers[2], "Change to the variations undone.");
    EXPECT_EQ(list.RowCount(), at + 7);
}

}  // namespace
}  // namespace circumvia::control
