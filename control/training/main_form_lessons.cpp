// The lessons on the board: Help > Learn to play opens the lessons' panel and puts the
// lesson on the game's own board. The learner's moves go through the lesson before they
// are played; the lesson's replies come where the computer's moves would.
#include <QListWidget>

#include "control/access/board_marks.h"
#include "control/settings/settings_store.h"
#include "control/training/lesson_dock.h"
#include "control/training/lesson_marks.h"
#include "control/training/puzzle_dock.h"
#include "control/training/puzzle_trainer.h"
#include "control/window/main_form.h"
#include "control/window/status_line.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "scene/gl/scene_viewer.h"

namespace circumvia::control {

namespace {

// The lesson's side answers as a computer player would be asked for a move.
constexpr int kLessonOpponentKind = 1;

}  // namespace

void TMainForm::BuildLessons() {
    lesson_dock_ = new LessonDock(this);
    addDockWidget(Qt::RightDockWidgetArea, lesson_dock_);
    lesson_dock_->hide();
    LessonHost& host = *this;
    lessons_ = std::make_unique<LessonSession>(host, ShippedLessons(),
                                               settings_->Read(SettingsStore::kLessons, {}));
    lesson_marks_ = std::make_unique<LessonMarks>(board_, [this] { FrameClock_.Step(); });
    connect(lesson_dock_, &LessonDock::LessonChosen, this, [this](int index) {
        if (turn_.IsReady()) lessons_->Start(index);
    });
    connect(lesson_dock_, &LessonDock::RestartClicked, this, [this] {
        if (turn_.IsReady()) lessons_->Restart();
    });
    connect(lesson_dock_, &LessonDock::NextClicked, this, [this] {
        if (turn_.IsReady()) lessons_->StartNext();
    });
    connect(lesson_dock_, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (!visible && lesson_on_board_) lesson_marks_->Clear();
    });
}

void TMainForm::ShowLessons() {
    if (!lesson_on_board_ && (!rated_.MayLeave() || !MayDropGame())) return;
    ShowLessonList();
    lesson_dock_->show();
    lesson_dock_->raise();
    // Where the learner left off: the first lesson without stars.
    int first_open = 0;
    while (first_open + 1 < static_cast<int>(lessons_->Lessons().size()) &&
           lessons_->StarsOf(first_open) > 0) {
        ++first_open;
    }
    lessons_->Start(lesson_on_board_ ? lessons_->Index() : first_open);
    lesson_dock_->List().setFocus();
}

void TMainForm::ShowLessonList() {
    std::vector<QString> titles;
    std::vector<int> stars;
    for (std::size_t i = 0; i < lessons_->Lessons().size(); ++i) {
        const int title = lessons_->Lessons()[i].texts.title;
        titles.push_back(QString::fromStdString(lang::Caption(lang::CaptionBase() + title)));
        stars.push_back(lessons_->StarsOf(static_cast<int>(i)));
    }
    lesson_dock_->ShowList(titles, stars);
}

void TMainForm::RelabelLessons() {
    if (!lesson_dock_) return;
    lesson_dock_->Relabel();
    ShowLessonList();
    if (lesson_on_board_) {
        const int index = lessons_->Index();
        lesson_dock_->ShowLesson(index, lessons_->Heading(index), lessons_->Goal(index));
    }
}

bool TMainForm::LessonAllows(int from, int to) {
    LessonSession* lesson = LessonUnderWay();
    if (!lesson) return true;
    const bool learner = lesson->IsLearner(game_.Pos[from]);
    if (!lesson->Finished() && !learner) return true;  // the lesson's own reply
    const Move move{static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)};
    if (learner && lesson->Accepts(move)) {
        // Done: nobody answers any more, and the board waits for the next lesson.
        if (lesson->Finished()) game_.PlayerOf(Opponent(game_.Pos[from])).Kind = kHuman;
        return true;
    }
    DropSelection();
    ShowPossibleMoves(0);
    return false;
}

void TMainForm::SetUpLesson(const Tjeu& game, Side learner) {
    puzzles_->Leave();
    puzzles_->Dock().hide();
    PutTrainingGame(game, learner);
    lesson_on_board_ = true;
}

void TMainForm::PutTrainingGame(const Tjeu& game, Side learner) {
    PutGameOnBoard([this, &game, learner] {
        game_.Pos = game.Pos;
        game_.History = game.History;
        game_.Current = game.Current;
        game_.Tree = game.Tree;
        game_.SideToMove = game.SideToMove;
        game_.Result = game.Result;
        game_.PlayerOf(learner).Kind = kHuman;
        game_.PlayerOf(Opponent(learner)).Kind = kLessonOpponentKind;
        game_.FileName = kNoName;
        game_.EndTest();
    });
}

void TMainForm::LeaveLesson() {
    if (!lesson_on_board_) return;
    lesson_on_board_ = false;
    lesson_marks_->Clear();
}

void TMainForm::MarkCells(const std::vector<int>& cells) {
    lesson_marks_->MarkCells(cells);
}

void TMainForm::ShowCapturePath(Move move) {
    lesson_marks_->RunAlongPath(move, game_.Pos);
    TellOutcome(
        QString::fromStdString(lang::Caption(lang::CaptionBase() + lang::caption::kLessonDemo)));
}

void TMainForm::ShowLesson(int index, const QString& heading, const QString& goal) {
    lesson_dock_->ShowLesson(index, heading, goal);
    SetStatusText(heading);
    StatusLine_->Announce(heading + QStringLiteral(". ") + goal);
}

void TMainForm::TellOutcome(const QString& text) {
    lesson_dock_->ShowOutcome(text);
    StatusLine_->Announce(text);
}

void TMainForm::StoreLessonProgress(const QString& text) {
    settings_->Write(SettingsStore::kLessons, text);
    ShowLessonList();
}

}  // namespace circumvia::control
