// The course that teaches the rules: every lesson of the shipped file done by the engine
// within its par, with the lesson's own replies; and a lesson played move by move.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "model/lessons/lesson_run.h"
#include "model/notation.h"

namespace circumvia {
namespace {

LessonFile ShippedLessons() {
    std::ifstream in(CIRCUMVIA_LESSON_FILE);
    return ReadLessons(in);
}

std::string LineText(const std::vector<Move>& line) {
    std::string text;
    for (const Move& move : line) text += MoveText(move.From, move.To) + ' ';
    return text;
}

TEST(Lessons, EachIsDoneWithinItsParAndItsRepliesAreLegal) {
    const LessonFile file = ShippedLessons();
    EXPECT_TRUE(file.errors.empty()) << file.errors.front();
    EXPECT_GE(file.lessons.size(), 12u);
    std::set<LessonAim> aims;
    std::set<int> texts;
    for (const Lesson& lesson : file.lessons) {
        SCOPED_TRACE(lesson.key);
        aims.insert(lesson.aim);
        texts.insert({lesson.texts.title, lesson.texts.goal, lesson.texts.wrong});
        LessonRun run(lesson);
        ASSERT_EQ(run.Game().Result, kInProgress);
        const std::optional<std::vector<Move>> line = run.Solve(lesson.par);
        ASSERT_TRUE(line.has_value());
        for (std::size_t i = 0; i < line->size(); ++i) {
            const LessonAnswer answer = run.Play((*line)[i]);
            if (i + 1 < line->size()) {
                EXPECT_EQ(answer.step, LessonStep::kReplied) << LineText(*line);
                EXPECT_TRUE(answer.scripted) << "reply " << i + 1 << " after " << LineText(*line);
            } else {
                EXPECT_EQ(answer.step, LessonStep::kSolved) << LineText(*line);
            }
        }
        EXPECT_EQ(run.Stars(), kMostStars);
        if (!lesson.demo.IsNull()) {
            EXPECT_EQ(LessonRun(lesson).Play(lesson.demo).step, LessonStep::kSolved);
        }
    }
    EXPECT_EQ(aims.size(), 5u) << "every kind of aim is taught";
    EXPECT_EQ(texts.size(), 3 * file.lessons.size()) << "each lesson has texts of its own";
}

// White's piece on B4 threatens Red's on E2 along the inner circuit: Red must step out of
// reach, and a step along the circuit's column leaves it in reach.
constexpr char kThreatened[] = R"(lesson test
texts 1 2 3
board
  . . . . . W
  . . . W . .
  . . . . . .
  . . . . . .
  . R . . . .
  . . . . . .
aim escape
par 1
)";

TEST(Lessons, AWrongMoveIsTakenBackAndCostsAStar) {
    std::istringstream in(kThreatened);
    const LessonFile file = ReadLessons(in);
    ASSERT_EQ(file.lessons.size(), 1u);
    LessonRun run(file.lessons[0]);
    const Position start = run.Game().Pos;
    EXPECT_EQ(run.Play(*ParseMoveText("E2-A1")).step, LessonStep::kIllegal);
    EXPECT_EQ(run.Play(*ParseMoveText("E2-D2")).step, LessonStep::kWrong);
    EXPECT_EQ(run.Game().Pos, start);
    EXPECT_EQ(run.Game().Current, 0);
    EXPECT_EQ(run.Play(*ParseMoveText("E2-F1")).step, LessonStep::kSolved);
    EXPECT_EQ(run.Stars(), kMostStars - 1);
}

TEST(Lessons, ReadingNamesTheLineOfEachMistake) {
    std::istringstream in("par 2\nlesson a\naim fly\npar 9\nshow Z9\nboard\n R R\n");
    const LessonFile file = ReadLessons(in);
    EXPECT_EQ(file.errors, (std::vector<std::string>{
                               "line 1: 'lesson' must come first", "line 3: unknown aim",
                               "line 4: par is a number of moves from 1 to 6",
                               "line 5: 'Z9' is not a cell", "line 7: a board row has six cells"}));
}

}  // namespace
}  // namespace circumvia
