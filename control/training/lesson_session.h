#pragma once
// A lesson played on the game's own board. The window hands every move of the learner to
// Accepts before playing it, and asks TakeReply for the other side's move where it would
// ask the computer; the session tells the window what to show through LessonHost.

#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "control/training/lesson_course.h"
#include "model/lessons/lesson_run.h"

namespace circumvia::control {

class LessonHost {
public:
    virtual ~LessonHost() = default;
    // Puts the lesson's game on the board: the learner plays `learner`, the lesson the other
    // side.
    virtual void SetUpLesson(const Tjeu& game, Side learner) = 0;
    // Rings the cells the lesson points at, and runs a marker along a capture's path.
    virtual void MarkCells(const std::vector<int>& cells) = 0;
    virtual void ShowCapturePath(Move move) = 0;
    // The heading, the goal and what just happened, shown in the panel and read aloud.
    virtual void ShowLesson(int index, const QString& heading, const QString& goal) = 0;
    virtual void TellOutcome(const QString& text) = 0;
    virtual void StoreLessonProgress(const QString& text) = 0;
};

class LessonSession {
public:
    LessonSession(LessonHost& host, std::vector<Lesson> lessons, const QString& progress);

    void Start(int index);
    void Restart() { Start(index_); }
    void StartNext();
    // False when the move is not played: not the learner's, the lesson is over, or wrong
    // (then explained and the lesson stays where it was).
    bool Accepts(Move move);
    // The other side's answer once, after the learner's move was played.
    std::optional<Move> TakeReply();
    // Whether a move of `side` belongs to the learner (and so goes through Accepts).
    bool IsLearner(Side side) const { return run_ && side == run_->Plan().side; }
    bool Finished() const { return run_ && (run_->Solved() || run_->Game().Result != kInProgress); }

    int Index() const { return index_; }
    const std::vector<Lesson>& Lessons() const { return lessons_; }
    int StarsOf(int index) const;
    // The heading and goal of lesson `index` in the current language.
    QString Heading(int index) const;
    QString Goal(int index) const;

private:
    LessonHost& host_;
    std::vector<Lesson> lessons_;
    LessonProgress progress_;
    std::unique_ptr<LessonRun> run_;
    std::optional<Move> reply_;
    int index_ = 0;
};

}  // namespace circumvia::control
