// A lesson played in the real window by typed moves: a wrong move explained and taken
// back, the lesson's scripted reply played where the computer's would be, the stars shown
// and kept in the settings.
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "control/access/move_entry.h"
#include "control/training/lesson_dock.h"
#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

using testing::MainFormTest;

constexpr int kLastPieceLesson = 10;  // "The last piece" in the course's file

class MainFormLessonsTest : public MainFormTest {
protected:
    void Type(const QString& text) {
        MoveEntry& entry = window.Entry();
        entry.setFocus();
        entry.selectAll();
        QTest::keyClicks(&entry, text);
        QTest::keyClick(&entry, Qt::Key_Return);
        RunUntilHumanTurn();
    }
    QString Outcome() { return window.Lessons()->Outcome().text(); }
};

TEST_F(MainFormLessonsTest, TypedMovesPlayTheFirstLessonAndItsStarsAreKept) {
    lang::SetLanguageCode('A');
    StartGame();
    window.ShowLessons();
    RunUntilHumanTurn();
    ASSERT_NE(window.LessonUnderWay(), nullptr);
    EXPECT_EQ(window.Game().Pos.Count(kRed), 1);
    EXPECT_EQ(window.Lessons()->List().currentRow(), 0);

    Type(QStringLiteral("d3e3"));  // away from B 5: three steps would be too many
    EXPECT_EQ(window.Game().Current, 0);
    EXPECT_TRUE(Outcome().startsWith(QStringLiteral("Not this way"))) << Outcome().toStdString();

    Type(QStringLiteral("d3c4"));
    ASSERT_EQ(window.Game().Current, 2);
    EXPECT_EQ(window.Game().History[2].From, CellAt(1, 1));  // the lesson's reply, A 1->A 2
    EXPECT_EQ(window.Game().History[2].To, CellAt(1, 2));

    Type(QStringLiteral("c4b5"));
    EXPECT_EQ(window.Game().Pos[CellAt(2, 5)], kRed);
    EXPECT_TRUE(Outcome().contains(QStringLiteral("Stars: 2 of 3"))) << Outcome().toStdString();
    EXPECT_TRUE(window.Lessons()->List().item(0)->text().startsWith(u'\u2605'));

    // Nothing more is played once the lesson is done, not even the other side's pieces.
    Type(QStringLiteral("a2a1"));
    EXPECT_EQ(window.Game().Current, 3);
    EXPECT_EQ(QSettings().value(QStringLiteral("Parameters/Lessons")).toString(),
              QStringLiteral("steps:2"));
}

// Taking the last piece ends the game too: the lesson's outcome is said, in its panel and
// the status line, and no result box covers the board (a screen reader would read it over
// the outcome).
TEST_F(MainFormLessonsTest, TheLessonWonByTheLastPieceEndsInItsPanelWithoutAResultBox) {
    lang::SetLanguageCode('A');
    StartGame();
    window.ShowLessons();
    RunUntilHumanTurn();
    Q_EMIT window.Lessons()->LessonChosen(kLastPieceLesson);
    RunUntilHumanTurn();
    ASSERT_EQ(window.Game().Pos.Count(kWhite), 1);

    Type(QStringLiteral("f2a5"));
    EXPECT_EQ(window.Game().Result, kRedWon);
    EXPECT_TRUE(Outcome().startsWith(QStringLiteral("Done!"))) << Outcome().toStdString();
    FinishAnimations();  // the box would open once the capture has landed
    Tick(2);
    EXPECT_EQ(window.ResultMessage(), nullptr);
    // The status line keeps the outcome, not the game's result nor a turn nobody plays.
    EXPECT_EQ(window.Status().StatusText(), Outcome());
}

}  // namespace
}  // namespace circumvia::control
