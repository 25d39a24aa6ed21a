// Stepping through a marked move's punishing line shows each of its moves on the board in
// turn, from the game's position, and comes back to the game (the game itself is only read).
#include "control/review/reply_line_stepper.h"

#include <gtest/gtest.h>

#include "lang/language.h"
#include "model/movegen.h"

namespace circumvia::control {
namespace {

struct FakeBoard : ReplyLineHost {
    struct Shown {
        Position position;
        Move last, next;
    };
    void ShowLinePosition(const Position& p, Move last, Move next) override {
        shown.push_back({p, last, next});
    }
    void ShowGamePosition() override { ++back_to_game; }
    void AnnounceLine(const QString& text) override { said.push_back(text.toStdString()); }
    std::vector<Shown> shown;
    std::vector<std::string> said;
    int back_to_game = 0;
};

TEST(ReplyLineStepper, VisitsEachMoveOfTheLineThenTheGameAgain) {
    lang::SetLanguageCode('A');
    Tjeu game;
    for (int k = 0; k < 6; ++k) {
        const Move move = game.SuggestMove(game.Pos, game.SideToMove, 1);
        game.ApplyMove(game.Pos, move.From, move.To);
    }
    // Three moves on from the last position: the line of move 6, a mistake.
    Tjeu after = game;
    std::vector<Move> line;
    for (int k = 0; k < 3; ++k) {
        line.push_back(after.SuggestMove(after.Pos, after.SideToMove, 1));
        after.ApplyMove(after.Pos, line.back().From, line.back().To);
    }
    GameAnalysis analysis;
    analysis.moves.resize(6);
    analysis.moves[5].mover = game.History[6].Mover;
    analysis.moves[5].move_class = MoveClass::kMistake;
    analysis.moves[5].reply_line = line;

    FakeBoard board;
    ReplyLineStepper stepper(board);
    for (int step = 1; step <= 3; ++step) stepper.Step(game, analysis);
    ASSERT_EQ(board.shown.size(), 3u);
    Position expected = game.Pos;
    for (std::size_t k = 0; k < 3; ++k) {
        ApplyMoveTo(expected, line[k]);
        EXPECT_EQ(board.shown[k].position, expected) << k;
        EXPECT_EQ(board.shown[k].last, line[k]);
        EXPECT_EQ(board.shown[k].next, k < 2 ? line[k + 1] : Move{});
        EXPECT_TRUE(board.said[k].starts_with("Line " + std::to_string(k + 1) + " of 3"))
            << board.said[k];
    }
    stepper.Step(game, analysis);  // past the end: the game again
    EXPECT_EQ(board.back_to_game, 1);
    EXPECT_FALSE(stepper.Showing());
    stepper.Step(game, analysis);  // again from the start; Escape leaves once
    EXPECT_EQ(board.shown.back().last, line[0]);
    EXPECT_TRUE(stepper.Leave());
    EXPECT_FALSE(stepper.Leave());
    EXPECT_EQ(board.back_to_game, 2);

    analysis.moves[5].move_class = MoveClass::kGood;  // nothing to show after a good move
    stepper.Step(game, analysis);
    EXPECT_EQ(board.shown.size(), 4u);
    EXPECT_EQ(board.said.back(), "No reply to show here: go to a marked move (?, ?? or #?)");
    lang::SetLanguageCode('F');
}

}  // namespace
}  // namespace circumvia::control
