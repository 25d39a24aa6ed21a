// Lines tried in the window: a branch never loses the old line; who answers in it.
#include <gtest/gtest.h>

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

}  // namespace
}  // namespace circumvia::control
