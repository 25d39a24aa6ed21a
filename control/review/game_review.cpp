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
#include "model/review_lines.h"

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
    const GameRecord main_line = MainLineRecord(host_.ReviewedGame().Tree);
    const int known = static_cast<int>(analysis_.moves.size());
    dock_->ShowProgress(0, std::max(RecordedMoveCount(main_line) - known, 0));
    host_.EnableAnalyseCommand(false);
    // The worker reads its own copy: the game may go on meanwhile.
    job_->Start(main_line, analysis_);
}

void GameReview::Cancel() {
    job_->Cancel();
}

void GameReview::Finished(const GameAnalysis& analysis, bool completed) {
    const int total = RecordedMoveCount(MainLineRecord(host_.ReviewedGame().Tree));
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
    Q_EMIT Analysed(line_analysis_);
}

void GameReview::Show() {
    const Tjeu& game = host_.ReviewedGame();
    TrimAnalysisToRecord(analysis_, MainLineRecord(game.Tree));
    line_analysis_ = analysis_;
    TrimAnalysisToRecord(line_analysis_, game.History);
    move_list_.ShowAnalysis(line_analysis_);
    dock_->ShowAnalysis(analysis_,
                        {std::string(), game.PlayerOf(kRed).Name, game.PlayerOf(kWhite).Name});
    ShowLineState();
}

void GameReview::FollowRecord() {
    const Tjeu& game = host_.ReviewedGame();
    const std::size_t held = analysis_.moves.size();
    const std::size_t shared = line_analysis_.moves.size();
    TrimAnalysisToRecord(analysis_, MainLineRecord(game.Tree));
    GameAnalysis line = analysis_;
    TrimAnalysisToRecord(line, game.History);
    if (analysis_.moves.size() != held || line.moves.size() != shared) Show();
    line_.FollowRecord(game);
    ShowLineState();
    // In a variation, the panel marks the main line's move where it branched off.
    dock_->ShowCurrent(std::min(game.Current, MainLineShare(game)));
    host_.EnableMistakeSteps(NextMistake(line_analysis_, game.Current, false) >= 0,
                             NextMistake(line_analysis_, game.Current, true) >= 0);
    host_.EnableBetterLine(BetterLineAt(analysis_, game) != nullptr);
}

void GameReview::ShowBetterLine() {
    const MoveAnalysis* move = BetterLineAt(analysis_, host_.ReviewedGame());
    if (move == nullptr || host_.MoveUnderWay()) return;
    LeaveLine();  // the punishing line shown on the board gives way to the game
    const MoveAnalysis chosen = *move;  // the record changes under the analysis' feet
    host_.OpenBetterLine(chosen);
}

void GameReview::StepLine() {
    if (host_.MoveUnderWay() || host_.RecordClosed()) return;
    line_.Step(host_.ReviewedGame(), line_analysis_);
    ShowLineState();
}

bool GameReview::LeaveLine() {
    const bool left = line_.Leave();
    if (left) ShowLineState();
    return left;
}

void GameReview::ShowLineState() {
    dock_->ShowLineState(
        ReplyLineStepper::HasLine(host_.ReviewedGame(), line_analysis_) || line_.Showing(),
        line_.Shown(), line_.Length(), line_.Said());
}

bool GameReview::Reviewing() const {
    // A move still under way belongs to the game being played.
    // A rated game keeps its record closed until it ends.
    if (host_.MoveUnderWay() || host_.RecordClosed()) return false;
    return !analysis_.moves.empty() || RecordFinished(host_.ReviewedGame());
}

void GameReview::GoToMistake(bool forward) {
    const int target = NextMistake(line_analysis_, host_.ReviewedGame().Current, forward);
    if (target >= 0) host_.ChooseRecordedMove(target);
}

void GameReview::Relabel(int base) {
    dock_->Relabel(base);
}

}  // namespace circumvia::control
