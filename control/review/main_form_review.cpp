// The review of a game: analysing it off the user-interface thread, the evaluation panel,
// the mistake keys, and stepping to any recorded move once the game is over or analysed.
#include <algorithm>

#include "control/record/move_list.h"
#include "control/review/analysis_dock.h"
#include "control/review/analysis_job.h"
#include "control/window/main_form.h"
#include "lang/counted_text.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/record_review.h"

namespace circumvia::control {

void TMainForm::BuildReview() {
    analysis_job_ = new AnalysisJob(this);
    analysis_dock_ = new AnalysisDock(this);
    addDockWidget(Qt::RightDockWidgetArea, analysis_dock_);
    splitDockWidget(move_list_, analysis_dock_, Qt::Vertical);
    analysis_dock_->hide();  // shown with the first analysis
    menu_.Edition->addAction(analysis_dock_->toggleViewAction());
    connect(analysis_job_, &AnalysisJob::Progress, analysis_dock_, &AnalysisDock::ShowProgress);
    connect(analysis_job_, &AnalysisJob::Finished, this,
            [this](const GameAnalysis& analysis, bool completed) {
                AnalysisFinished(analysis, completed);
            });
    connect(analysis_dock_, &AnalysisDock::CancelClicked, analysis_job_, &AnalysisJob::Cancel);
    connect(analysis_dock_, &AnalysisDock::MoveChosen, this, [this](int index) {
        if (turn_.IsReady()) GoToRecordedMove(index);
    });
}

void TMainForm::AnalyseGame() {
    // No help from the engine while a rated game is being played.
    if (analysis_job_->Running() || RatedGameUnderWay()) return;
    analysis_dock_->show();
    analysis_dock_->raise();
    const int known = static_cast<int>(analysis_.moves.size());
    analysis_dock_->ShowProgress(0, std::max(LastRecordedEntry(game_) - known, 0));
    menu_.AnalyseItem->setEnabled(false);
    // The worker reads its own copy: the game may go on meanwhile.
    analysis_job_->Start(game_.History, analysis_);
}

void TMainForm::AnalysisFinished(const GameAnalysis& analysis, bool completed) {
    const int total = LastRecordedEntry(game_);
    analysis_ = analysis;
    analysis_dock_->ShowIdle();
    menu_.AnalyseItem->setEnabled(true);
    ShowAnalysis();
    UpdateNavigation();
    const std::string text = completed
                                 ? lang::LoadText(lang::message::kReviewComplete)
                                 : lang::FormatText(lang::LoadText(lang::message::kReviewStopped),
                                                    {std::to_string(analysis_.moves.size()),
                                                     lang::CountedText(total, lang::kMovesOf)});
    SetStatusText(QString::fromStdString(text));
}

void TMainForm::ShowAnalysis() {
    TrimAnalysisToRecord(analysis_, game_.History);
    move_list_->ShowAnalysis(analysis_);
    analysis_dock_->ShowAnalysis(
        analysis_, {std::string(), game_.PlayerOf(kRed).Name, game_.PlayerOf(kWhite).Name});
}

void TMainForm::KeepAnalysisInStep() {
    const std::size_t held = analysis_.moves.size();
    TrimAnalysisToRecord(analysis_, game_.History);
    if (analysis_.moves.size() != held) ShowAnalysis();
    analysis_dock_->ShowCurrent(game_.Current);
    menu_.NextMistakeItem->setEnabled(NextMistake(analysis_, game_.Current, true) >= 0);
    menu_.PreviousMistakeItem->setEnabled(NextMistake(analysis_, game_.Current, false) >= 0);
}

bool TMainForm::Reviewing() const {
    // A move still under way belongs to the game being played.
    // A rated game keeps its record closed until it ends.
    if (turn_.Phase() == kMoveUnderWay || RatedGameUnderWay()) return false;
    return !analysis_.moves.empty() || RecordFinished(game_);
}

void TMainForm::GoToMistake(bool forward) {
    const int target = NextMistake(analysis_, game_.Current, forward);
    if (target >= 0) GoToRecordedMove(target);
}

void TMainForm::ResumeAfterReviewStep() {
    RefreshPieces();
    ShowPossibleMoves(0);
    loop_.ShowLastMoves();                    // of the position shown
    if (game_.Result != kInProgress) return;  // the next tick shows the result
    if (!IsComputer(game_.PlayerOf(game_.SideToMove).Kind) || Exploring()) {
        turn_.ResumeHumanTurn();
    } else if (game_.Current == LastRecordedEntry(game_)) {
        turn_.ResumeAtTurnStart();
    } else {
        turn_.ParkForReview();
    }
}

}  // namespace circumvia::control
