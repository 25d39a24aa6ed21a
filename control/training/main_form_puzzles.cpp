// The puzzles on the board: Help > Puzzles opens the puzzles' panel and puts a puzzle, or
// one of the player's own mistakes, on the game's own board. The solver's moves go through
// the trainer before they are played; the defender's replies come where the computer's
// moves would.
#include <chrono>

#include "control/review/analysis_dock.h"
#include "control/training/lesson_dock.h"
#include "control/training/lesson_marks.h"
#include "control/training/lesson_session.h"
#include "control/training/puzzle_dock.h"
#include "control/training/puzzle_trainer.h"
#include "control/window/main_form.h"
#include "control/window/status_line.h"
#include "lang/counted_text.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

namespace {

std::int64_t SecondsNow() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

}  // namespace

void TMainForm::BuildPuzzles() {
    PuzzleHost& host = *this;
    puzzles_ = new PuzzleTrainer(host, *this, *settings_, ShippedPuzzles(), SecondsNow);
    connect(review_, &GameReview::Analysed, this,
            [this](const GameAnalysis& analysis) { AddOwnMistakes(analysis); });
}

void TMainForm::AddOwnMistakes(const GameAnalysis& analysis) {
    // A lesson's or a puzzle's moves are not the player's game.
    if (lesson_on_board_ || puzzles_->OnBoard()) return;
    std::vector<Side> own;
    for (const Side side : {kRed, kWhite}) {
        if (game_.PlayerOf(side).Kind == kHuman) own.push_back(side);
    }
    const int added = puzzles_->AddMistakes(analysis, game_.History, own);
    if (added == 0) return;
    const QString text = QString::fromStdString(
        lang::FormatText(lang::Caption(lang::CaptionBase() + lang::caption::kPracticeAdded),
                         {lang::CountedText(added, lang::kPositions)}));
    SetStatusText(StatusLine_->StatusText() + u' ' + text);
    StatusLine_->Announce(text);
}

void TMainForm::ShowPuzzles() {
    puzzles_->Show();
}

bool TMainForm::MayPose() {
    return turn_.IsReady() && (puzzles_->OnBoard() || (rated_.MayLeave() && MayDropGame()));
}

bool TMainForm::PuzzleAllows(int from, int to) {
    if (!puzzles_->OnBoard()) return true;
    const bool solver = puzzles_->IsSolver(game_.Pos[from]);
    if (!puzzles_->Finished() && !solver) return true;  // the defender's scripted reply
    const Move move{static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)};
    if (solver && puzzles_->Accepts(move)) {
        // Solved: nobody answers any more, and the board waits for the next puzzle.
        if (puzzles_->Finished()) game_.PlayerOf(Opponent(game_.Pos[from])).Kind = kHuman;
        return true;
    }
    DropSelection();
    ShowPossibleMoves(0);
    return false;
}

void TMainForm::SetUpPuzzle(const Tjeu& game, Side solver) {
    LeaveLesson();
    lesson_dock_->hide();
    // The evaluation of the game that was there means nothing here, and the panel would
    // squeeze the puzzle's.
    review_->Dock().hide();
    PutTrainingGame(game, solver);
}

void TMainForm::PointAt(const std::vector<int>& cells, Move path) {
    lesson_marks_->Clear();
    lesson_marks_->MarkCells(cells);
    if (!path.IsNull()) lesson_marks_->RunAlongPath(path, game_.Pos);
}

void TMainForm::AnnouncePuzzle(const QString& text) {
    SetStatusText(text);
    StatusLine_->Announce(text);
}

std::string TMainForm::TrainingText() {
    const QLabel* goal = nullptr;
    const QLabel* outcome = nullptr;
    if (puzzles_->OnBoard()) {
        goal = &puzzles_->Dock().Goal();
        outcome = &puzzles_->Dock().Outcome();
    } else if (LessonUnderWay() != nullptr) {
        goal = &lesson_dock_->Goal();
        outcome = &lesson_dock_->Outcome();
    } else {
        return {};
    }
    return (outcome->text().isEmpty() ? goal->text() : outcome->text()).toStdString();
}

void TMainForm::LeaveTraining() {
    LeaveLesson();
    puzzles_->Leave();
}

}  // namespace circumvia::control
