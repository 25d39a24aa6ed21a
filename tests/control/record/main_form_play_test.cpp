// Moves, the record and navigation through the real main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QRegularExpression>

#include "control/record/move_list.h"
#include "control/turns/turn_loop.h"
#include "model/game_file.h"
#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

using testing::MainFormTest;

int RedTagOnCell(TMainForm& window, int cell) {
    for (int i = scene::kFirstRedPiece; i < scene::kFirstWhitePiece; ++i) {
        if (window.Board().SceneObjects[i]->Tag() == cell) return i;
    }
    return -1;
}

TEST_F(MainFormTest, OpensIntoAGameAgainstTheComputer) {
    Tick();
    EXPECT_EQ(window.Turn().State(), LoopState::TurnStart);
    EXPECT_EQ(window.Game().PlayerOf(kWhite).Kind, 3);
    Tick();
    EXPECT_EQ(window.Turn().State(), LoopState::HumanTurn);
    Tick();
    // Whose turn, and the level the computer plays.
    EXPECT_EQ(window.Status().StatusText().toStdString(),
              lang::FormatText(lang::LoadText(7), {window.Game().PlayerOf(kRed).Name}) + "  " +
                  ComputerLevelText(window.Game(), kWhite));
    EXPECT_EQ(window.Menu().P_num->text(), "");
    EXPECT_FALSE(window.Menu().Coupprcdent1->isEnabled());
    EXPECT_FALSE(window.Menu().Coupsuivant1->isEnabled());
    EXPECT_TRUE(window.Menu().Proposeruncoup1->isEnabled());
}

TEST_F(MainFormTest, BackIsOnlyOfferedOnceTheComputerHasAnswered) {
    StartGame();
    window.PlayMove(26, 20);
    EXPECT_EQ(window.Turn().Phase(), kMoveUnderWay);
    EXPECT_EQ(window.Game().Current, 1);
    EXPECT_EQ(window.Menu().P_num->text(), "1");
    EXPECT_FALSE(window.Menu().Coupprcdent1->isEnabled());
    EXPECT_FALSE(window.Menu().Proposeruncoup1->isEnabled());  // the computer is to move

    RunUntilHumanTurn();
    EXPECT_EQ(window.Game().Current, 2);
    EXPECT_EQ(window.Menu().P_num->text(), "2");
    EXPECT_TRUE(window.Menu().Coupprcdent1->isEnabled());
    EXPECT_EQ(window.Status().PanelText(2).toStdString(), "1:  E 2->D 2");
    EXPECT_FALSE(window.Status().PanelText(1).isEmpty());

    window.TB_retClick();
    EXPECT_EQ(window.Game().Current, 0);
    EXPECT_EQ(window.Game().SideToMove, kRed);
    EXPECT_EQ(window.Menu().P_num->text(), "");
    EXPECT_TRUE(window.Menu().Coupsuivant1->isEnabled());
    EXPECT_NE(RedTagOnCell(window, 26), -1);  // the pieces follow the model
    EXPECT_EQ(RedTagOnCell(window, 20), -1);

    window.TB_suivClick();
    EXPECT_EQ(window.Game().Current, 2);
    EXPECT_EQ(window.Menu().P_num->text(), "2");
    EXPECT_NE(RedTagOnCell(window, 20), -1);
}

TEST_F(MainFormTest, CounterShowsPositionInTheRecordAfterBack) {
    StartGame();
    for (int move : {0, 1}) {
        const Tlcoup moves = ListAllMoves(window.Game().Pos, kRed);
        window.PlayMove(moves[static_cast<std::size_t>(move)].From,
                        moves[static_cast<std::size_t>(move)].To);
        RunUntilHumanTurn();
    }
    ASSERT_EQ(window.Game().Current, 4);
    window.TB_retClick();
    EXPECT_EQ(window.Menu().P_num->text(), "2/4");
}

TEST_F(MainFormTest, PlayMoveRefusesIllegalMovesMovesUnderWayAndMovesAfterTheEnd) {
    StartGame();
    window.PlayMove(26, 14);  // two rows up: not a move
    EXPECT_EQ(window.Game().Current, 0);
    EXPECT_EQ(window.Turn().Phase(), 0);
    EXPECT_EQ(window.Turn().RunningPaths(), 0);

    window.PlayMove(26, 20);
    EXPECT_EQ(window.Game().Current, 1);
    window.PlayMove(8, 14);  // White's answer offered while Red's move still glides
    EXPECT_EQ(window.Game().Current, 1);

    RunUntilHumanTurn();
    window.Game().Result = kDrawn;
    const int current = window.Game().Current;
    window.PlayMove(25, 19);
    EXPECT_EQ(window.Game().Current, current);
    Tick();
    EXPECT_EQ(window.Turn().State(), LoopState::GameOver);
    window.UpdateNavigation();
    EXPECT_FALSE(window.Menu().Proposeruncoup1->isEnabled());  // no hint after the end
}

TEST_F(MainFormTest, CaptureCountsDropAtOnceAndTheVictimLeavesTheBoard) {
    StartGame();
    SetBoard({{2, kRed}, {35, kWhite}, {36, kWhite}});
    window.PlayMove(2, 35);
    EXPECT_EQ(window.Game().PlayerOf(kWhite).Pieces, 1);
    EXPECT_EQ(window.Turn().RunningPaths(), 3);
    FinishAnimations();
    EXPECT_EQ(window.Turn().RunningPaths(), 0);
    int visible_white = 0;
    for (int i = scene::kFirstWhitePiece; i < scene::kFirstArrowMarker; ++i) {
        visible_white += window.Board().SceneObjects[i]->Visible();
    }
    EXPECT_EQ(visible_white, 1);
}

// The game's end is said over the board without holding the window, and ends the move list.
TEST_F(MainFormTest, TheEndNamesTheWinnerAndScoreOverTheBoardAndEndsTheMoveList) {
    StartGame();
    window.Game().PlayerOf(kRed).Name = "Ariane";
    SetBoard({{2, kRed}, {25, kRed}, {35, kWhite}});
    window.PlayMove(2, 35);
    EXPECT_EQ(window.ResultMessage(), nullptr) << "not before the capture is seen";
    RunUntilHumanTurn();
    ASSERT_EQ(window.Turn().State(), LoopState::GameOver);

    const auto* message = qobject_cast<const QMessageBox*>(window.ResultMessage());
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(message->text().contains("Ariane"));
    EXPECT_TRUE(message->text().contains(QRegularExpression(R"(2\D+0)"))) << "the score, 2 to 0";
    const QRect board(window.Viewer().mapToGlobal(QPoint(0, 0)), window.Viewer().size());
    EXPECT_TRUE(board.contains(message->geometry().center()));

    window.MoveList().show();
    ASSERT_EQ(window.MoveList().RowCount(), 3);  // the start, the capture, the result
    EXPECT_EQ(window.MoveList().Text(2, 0), message->text());
}

TEST_F(MainFormTest, RefreshPiecesFollowsALoadedRecord) {
    StartGame();
    Tjeu saved;
    saved.ApplyMove(saved.Pos, 26, 20);
    saved.ApplyMove(saved.Pos, 8, 15);
    saved.ApplyMove(saved.Pos, 20, 14);
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "circumvia_refresh_test.Cva";
    ASSERT_TRUE(SaveGameFile(saved, file));
    ASSERT_EQ(LoadGameFile(window.Game(), file), LoadOutcome::kLoaded);
    std::filesystem::remove(file);
    window.RefreshPieces();
    EXPECT_NE(RedTagOnCell(window, 14), -1);
    EXPECT_EQ(RedTagOnCell(window, 26), -1);
    int visible = 0;
    for (int i = scene::kFirstRedPiece; i < scene::kFirstArrowMarker; ++i) {
        visible += window.Board().SceneObjects[i]->Visible();
    }
    EXPECT_EQ(visible, 24);
    // Back walks the loaded record: White's reply and Red's move before it are undone
    // together with the one that made the position, back to Red's first decision.
    window.TB_retClick();
    EXPECT_EQ(window.Game().Current, 0);
    EXPECT_NE(RedTagOnCell(window, 26), -1);
    window.TB_suivClick();
    EXPECT_EQ(window.Game().Current, 2);
    EXPECT_NE(RedTagOnCell(window, 20), -1);
}

TEST_F(MainFormTest, TwoComputersPlayAWholeGameByThemselves) {
    Tick();
    window.Game().PlayerOf(kRed).Kind = 1;
    window.Game().PlayerOf(kWhite).Kind = 2;
    window.Game().Random.Seed(12345);
    int ticks = 0;
    while (window.Turn().State() != LoopState::GameOver && ticks < 40000) {
        FinishAnimations();
        Tick();
        ++ticks;
        // Navigation has nothing to offer between two computers while they play.
        if (window.Game().Result == kInProgress) {
            ASSERT_FALSE(window.Menu().Coupprcdent1->isEnabled());
        }
    }
    ASSERT_EQ(window.Turn().State(), LoopState::GameOver);
    EXPECT_NE(window.Game().Result, kInProgress);
    EXPECT_FALSE(window.Status().StatusText().isEmpty());
    EXPECT_GT(window.Game().Current, 10);
}

}  // namespace
}  // namespace circumvia::control
