// Puzzles played in the real window by typed moves: the whole line with the defender's
// scripted replies, a wrong move refused and answered, both kept in the solver's rating
// in the settings; and one of the player's own mistakes posed again from the practice list.
#include <QComboBox>
#include <QLabel>
#include <QTest>

#include "control/access/move_entry.h"
#include "control/training/puzzle_dock.h"
#include "model/movegen.h"
#include "model/notation.h"
#include "model/puzzles/practice_list.h"
#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

using testing::MainFormTest;

class MainFormPuzzlesTest : public MainFormTest {
protected:
    void Type(Move move) {
        MoveEntry& entry = window.Entry();
        entry.setFocus();
        entry.selectAll();
        QTest::keyClicks(&entry, QString::fromStdString(CompactMoveText(move)));
        QTest::keyClick(&entry, Qt::Key_Return);
        RunUntilHumanTurn();
    }
    QString Outcome() { return window.Puzzles().Dock().Outcome().text(); }
    static PuzzleHistory Stored() {
        return PuzzleHistory::FromText(
            QSettings().value(QStringLiteral("Parameters/Puzzles")).toString().toStdString());
    }
    // A legal move of the solver other than the answer.
    static Move WrongMove(const Puzzle& puzzle) {
        for (int cell = 1; cell <= kCellCount; ++cell) {
            if (puzzle.position[cell] != puzzle.side) continue;
            for (const Move move : ListDestinations(cell, puzzle.position)) {
                if (move != puzzle.line.front()) return move;
            }
        }
        return Move{};
    }
};

TEST_F(MainFormPuzzlesTest, TypedMovesSolveAPuzzleAndAWrongOneIsRefusedAndAnswered) {
    lang::SetLanguageCode('A');
    StartGame();
    window.ShowPuzzles();
    RunUntilHumanTurn();
    ASSERT_TRUE(window.Puzzles().OnBoard());
    const Puzzle solved = window.Puzzles().Posed();
    ASSERT_EQ(window.Game().Pos, solved.position);
    // The status line says what to find, not a turn against a computer that is not there.
    Tick();
    EXPECT_EQ(window.Status().StatusText(), window.Puzzles().Dock().Goal().text());

    // The solver's moves; the defender's replies between them come from the puzzle.
    Position after = solved.position;
    for (std::size_t i = 0; i < solved.line.size(); ++i) {
        if (i % 2 == 0) Type(solved.line[i]);
        ApplyMoveTo(after, solved.line[i]);
    }
    EXPECT_EQ(window.Game().Pos, after);
    EXPECT_EQ(window.Game().Current, static_cast<int>(solved.line.size()));
    EXPECT_TRUE(Outcome().startsWith(QStringLiteral("Right!"))) << Outcome().toStdString();
    EXPECT_FALSE(window.HasUnsavedMoves());  // nothing to ask about before the next game
    const PuzzleHistory first = Stored();
    EXPECT_EQ(first.Attempts(), 1);
    EXPECT_GT(first.Rating(), rating::kNewPlayerRating);
    EXPECT_LT(first.Learned(solved).rating, solved.rating);

    // The command poses the next once one is answered; a wrong move is not played, and
    // costs rating.
    window.ShowPuzzles();
    RunUntilHumanTurn();
    const Puzzle failed = window.Puzzles().Posed();
    EXPECT_NE(PuzzleKey(failed), PuzzleKey(solved));
    Type(WrongMove(failed));
    EXPECT_EQ(window.Game().Current, 0);
    EXPECT_EQ(window.Game().Pos, failed.position);
    const Move answer = failed.line.front();
    EXPECT_TRUE(Outcome().startsWith(QStringLiteral("Not this move. The answer: ") +
                                     QString::fromStdString(MoveText(answer.From, answer.To))))
        << Outcome().toStdString();
    EXPECT_LT(Stored().Rating(), first.Rating());
    EXPECT_EQ(Stored().Attempts(), 2);
}

TEST_F(MainFormPuzzlesTest, AnOwnMistakeComesBackInPracticeAndWaitsADayOnceRight) {
    lang::SetLanguageCode('A');
    StartGame();
    // A blunder of the side to move in the game's first position: one of its moves where
    // another was best.
    const Side side = window.Game().SideToMove;
    Tlcoup moves;
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (window.Game().Pos[cell] != side) continue;
        for (const Move move : ListDestinations(cell, window.Game().Pos)) moves.push_back(move);
    }
    ASSERT_GE(moves.size(), 2u);
    const Move played = moves.front();
    const Move best = moves.back();
    GameAnalysis analysis;
    MoveAnalysis blunder;
    blunder.number = 1;
    blunder.mover = side;
    blunder.played = played;
    blunder.best = best;
    blunder.move_class = MoveClass::kBlunder;
    analysis.moves.push_back(blunder);
    GameRecord record = window.Game().History;
    EXPECT_EQ(window.Puzzles().AddMistakes(analysis, record, {side}), 1);
    EXPECT_EQ(window.Puzzles().AddMistakes(analysis, record, {side}), 0);  // analysed again

    window.Puzzles().Dock().ModeChoice().setCurrentIndex(PuzzleDock::kPractice);
    window.ShowPuzzles();
    RunUntilHumanTurn();
    EXPECT_EQ(window.Puzzles().Posed().line, std::vector<Move>{best});
    EXPECT_TRUE(window.Puzzles().Dock().Goal().text().contains(
        QString::fromStdString(MoveText(played.From, played.To))));
    Type(best);
    EXPECT_EQ(Outcome(), QStringLiteral("Right! This position comes back in 1 day."));
    const PracticeList stored = PracticeList::FromText(
        QSettings().value(QStringLiteral("Parameters/Practice")).toString().toStdString());
    ASSERT_EQ(stored.Items().size(), 1u);
    EXPECT_EQ(stored.Items()[0].box, 1);
}

}  // namespace
}  // namespace circumvia::control
