#include "control/review/game_review.h"

#include <QMainWindow>
#include <QMenu>
#include <algorithm>

#include "control/record/move_list.h"
#include "control/review/analysis_dock.h"
#include "control/review/analysis_job.h"
#include "lang/counted_text.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/record_review.h"

namespace circumvia::control {

GameReview::GameReview(GameReviewHost& host, QMainWindow& window, MoveListDock& move_list,
                       QMenu& menu)
    : QObject(&window),
      host_(host),
      move_list_(move_list),
      // Both belong to the window, so the job outlives every signal the window may still get.
      job_(new AnalysisJob(&window)),
      dock_(new AnalysisDock(&window)) {
    window.addDockWidget(Qt::RightDockWidgetArea, dock_);
    window.splitDockWidget(&move_list, dock_, Qt::Vertical);
    dock_->hide();  // shown with the first analysis
    menu.addAction(dock_->toggleViewAction());
    connect(job_, &AnalysisJob::Progress, dock_, &AnalysisDock::ShowProgress);
    connect(
        job_, &AnalysisJob::Finished, this,
        [this](const GameAnalysis& analysis, bool completed) { Finished(analysis, completed); });
    connect(dock_, &AnalysisDock::CancelClicked, job_, &AnalysisJob::Cancel);
    connect(dock_, &AnalysisDock::MoveChosen, this,
            [this](int index) { host_.ChooseRecordedMove(index); });
    connect(dock_, &AnalysisDock::LineClicked, this, &GameReview::StepLine);
}

void GameReview::Analyse() {
    // No help from the engine while a rated game is being played.
    if (job_->Running() || host_.RecordClosed()) return;
    dock_->show();
    dock_->raise();
    const Tjeu& game = host_.ReviewedGame();
    const int known = static_cast<int>(analysis_.moves.size());
    dock_->ShowProgress(0, std::max(LastRecordedEntry(game) - known, 0));
    host_.EnableAnalyseCommand(false);
    // The worker reads its own copy: the game may go on meanwhile.
    job_->Start(game.History, analysis_);
}

void GameReview::Cancel() {
    job_->Cancel();
}

void GameReview::Finished(const GameAnalysis& analysis, bool completed) {
    const int total = LastRecordedEntry(host_.ReviewedGame());
    analysis_ = analysis;
    dock_->ShowIdle();
    host_.EnableAnalyseCommand(true);
    Show();
    host_.UpdateNavigation();
    const std::string text = completed
                                 ? lang::LoadText(lang::message::kReviewComplete)
                                 : lang::FormatText(lang::LoadText(lang::message::kReviewStopped),
                                                    {std::to_string(analysis_.moves.size()),
                                                     lang::CountedText(total, lang::kMovesOf)});
    // Said, not only shown: a screen reader's user waits for the analysis to end.
    host_.AnnounceReview(text);
    Q_EMIT Analysed(analysis_);
}

void GameReview::Show() {
    const Tjeu& game = host_.ReviewedGame();
    TrimAnalysisToRecord(analysis_, game.History);
    move_list_.ShowAnalysis(analysis_);
    dock_->ShowAnalysis(analysis_,
                        {std::string(), game.PlayerOf(kRed).Name, game.PlayerOf(kWhite).Name});
    ShowLineState();
}

void GameReview::FollowRecord() {
    const Tjeu& game = host_.ReviewedGame();
    const std::size_t held = analysis_.moves.size();
    TrimAnalysisToRecord(analysis_, game.History);
    if (analysis_.moves.size() != held) Show();
    line_.FollowRecord(game);
    ShowLineState();
    dock_->ShowCurrent(game.Current);
    host_.EnableMistakeSteps(NextMistake(analysis_, game.Current, false) >= 0,
                             NextMistake(analysis_, game.Current, true) >= 0);
}

void GameReview::StepLine() {
    if (host_.MoveUnderWay() || host_.RecordClosed()) return;
    line_.Step(host_.ReviewedGame(), analysis_);
    ShowLineState();
}

bool GameReview::LeaveLine() {
    const bool left = line_.Leave();
    if (left) ShowLineState();
    return left;
}

void GameReview::ShowLineState() {
    dock_->ShowLineState(
        ReplyLineStepper::HasLine(host_.ReviewedGame(), analysis_) || line_.Showing(),
        line_.Shown(), line_.Length(), line_.Said());
}

bool GameReview::Reviewing() const {
    // A move still under way belongs to the game being played.
    // A rated game keeps its record closed until it ends.
    if (host_.MoveUnderWay() || host_.RecordClosed()) return false;
    return !analysis_.moves.empty() || RecordFinished(host_.ReviewedGame());
}

void GameReview::GoToMistake(bool forward) {
    const int target = NextMistake(analysis_, host_.ReviewedGame().Current, forward);
    if (target >= 0) host_.ChooseRecordedMove(target);
}

void GameReview::Relabel(int base) {
    dock_->Relabel(base);
}

}  // namespace circumvia::control
