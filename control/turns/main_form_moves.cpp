// Carrying out moves, keeping the pieces in step with the model, and walking the record.
#include <algorithm>

#include "control/access/spoken_events.h"
#include "control/record/move_counter.h"
#include "control/record/move_list.h"
#include "control/record/variation_editor.h"
#include "control/review/analysis_job.h"
#include "control/training/lesson_session.h"
#include "control/training/puzzle_trainer.h"
#include "control/view/view_math.h"
#include "control/window/main_form.h"
#include "control/window/status_line.h"
#include "dialogs/display_text.h"
#include "dialogs/suggestion_dialog.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/notation.h"
#include "model/record_review.h"
#include "scene/camera.h"

namespace circumvia::control {

void TMainForm::PlayMove(int from, int to) {
    if (!turn_.IsReady() || game_.Result != kInProgress) return;
    if (IsCell(from) && IsCell(to)) {
        if (turn_.Phase() == kMoveUnderWay) return;
        if (!LessonAllows(from, to) || !PuzzleAllows(from, to)) return;
        turn_.BeginMove(from, to, Now());
        animation_.Forget();
        const Tlcoup legal = ListDestinations(from, game_.Pos);
        const Move move{static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)};
        if (std::find(legal.begin(), legal.end(), move) == legal.end()) {
            ShowPossibleMoves(0);
            return;
        }
        scene::TSceneObject* mover = pieces_.PieceOnCell(from);
        scene::TSceneObject* victim = pieces_.PieceOnCell(to);
        if (mover)
            animation_.AnimateMove(*mover, from, to, CapturePath(from, to, game_.Pos),
                                   victim != nullptr);
        if (victim) {
            const std::uint8_t victim_side = game_.Pos[to];
            animation_.PrepareCaptureFlight(*victim, to, game_.Pos.Count(victim_side), victim_side);
        }
    }
    FrameClock_.Step();
    const Side mover = game_.SideToMove;
    const bool capture = IsCell(to) && game_.Pos[to] == Opponent(mover);
    const std::string player = dialogs::NameInTextUtf8(game_.PlayerOf(mover).Name);
    SetStatusText(QString::fromStdString(
        capture ? CaptureShown(player, from, to)
                : lang::FormatText(lang::LoadText(lang::message::kMovePlayed),
                                   {player, MoveText(from, to)})));
    const int recorded = game_.Current;
    game_.ApplyMove(game_.Pos, from, to);
    // The caption's unsaved mark first: a screen reader reading the new caption would cut
    // the move short. Only a human's move is worth keeping: a game the computer alone has
    // moved in is played again by starting it again.
    const bool computer_moved = turn_.State() == LoopState::ComputerTurn;
    // Nor is a lesson's or a puzzle's: the next one sets it up again.
    const bool training = lesson_on_board_ || puzzles_->OnBoard();
    if (game_.Current != recorded && !computer_moved && !training) MarkUnsavedMoves(true);
    if (IsCell(from) && IsCell(to)) AnnounceMove(mover, from, to, capture);
    // A lesson or a puzzle says its own outcome in its panel: a result box would cover the
    // board and be read over it.
    result_to_announce_ = game_.Result != kInProgress && !training;
    HighlightPiece(nullptr);
    ShowPossibleMoves(0);
    UpdateNavigation();
    turn_.MarkMoveUnderWay(Now());
    // At once: the paths end here and the next tick finishes the move as usual.
    if (animation_speed_ == AnimationSpeed::kInstant) FinishAnimationsNow();
}

void TMainForm::AnnounceMove(Side mover, int from, int to, bool capture) {
    // The turn is said when a human is to answer; a computer says its own move soon.
    // Nor once a puzzle or a lesson is over: nobody plays on there.
    const LessonSession* lesson = LessonUnderWay();
    const bool training_over =
        (puzzles_->OnBoard() && puzzles_->Finished()) || (lesson != nullptr && lesson->Finished());
    const bool human_next = game_.Result == kInProgress && !training_over &&
                            !IsComputer(game_.PlayerOf(game_.SideToMove).Kind);
    StatusLine_->Announce(QString::fromStdString(
        SpokenMove(mover, from, to, capture, human_next ? game_.SideToMove : kNobody)));
}

void TMainForm::RefreshPieces() {
    if (!turn_.IsReady()) return;
    pieces_.RefreshPieces(game_.Pos);
}

void TMainForm::TB_retClick() {
    if (Reviewing()) {
        GoToRecordedMove(game_.Current - 1);
        return;
    }
    StepThroughRecord(&Tjeu::CanStepBack, &Tjeu::StepBack);
}

void TMainForm::TB_suivClick() {
    if (Reviewing()) {
        GoToRecordedMove(game_.Current + 1);
        return;
    }
    StepThroughRecord(&Tjeu::CanStepForward, &Tjeu::StepForward);
}

void TMainForm::StepThroughRecord(bool (Tjeu::*can)() const, void (Tjeu::*step)()) {
    if (!RatedGameUnderWay() && (game_.*can)()) {
        (game_.*step)();
        ReopenAfterStep();
    }
    UpdateNavigation();
}

void TMainForm::ReopenAfterStep() {
    AbandonComputerSearch();  // it was looking at a position no longer shown
    RefreshPieces();
    ShowPossibleMoves(0);
    loop_.ShowLastMoves();  // the last moves of the position shown, not of the whole record
    // A game reopened by the step goes on with the human to move.
    if (game_.Result == kInProgress) turn_.ResumeHumanTurn();
}

void TMainForm::UpdateNavigation() {
    if (review_) review_->FollowRecord();
    const bool record_open = !RatedGameUnderWay();
    if (Reviewing()) {
        menu_.Coupprcdent1->setEnabled(game_.Current > 0);
        menu_.Coupsuivant1->setEnabled(game_.Current < LastRecordedEntry(game_));
    } else {
        menu_.Coupprcdent1->setEnabled(record_open && game_.CanStepBack());
        menu_.Coupsuivant1->setEnabled(record_open && game_.CanStepForward());
    }
    menu_.P_num->setText(QString::fromStdString(MoveCounterCaption(game_)));
    const double focal = board_.Camera->FocalLength();
    menu_.Zoomarrire1->setEnabled(focal > kMinFocalLength);
    menu_.Zoomavant1->setEnabled(focal < kMaxFocalLength);
    menu_.Proposeruncoup1->setEnabled(record_open && game_.Result == kInProgress &&
                                      game_.PlayerOf(game_.SideToMove).Kind == kHuman);
    // No help from the engine while a rated game is being played.
    if (review_) menu_.AnalyseItem->setEnabled(record_open && !review_->Job().Running());
    if (move_list_) move_list_->ShowGame(game_);
    if (variations_) variations_->Follow();
    StatusLine_->RepaintPanels();
    // The move that led to the position shown; none at the start of the record.
    const HistoryEntry& last = game_.History[static_cast<std::size_t>(game_.Current)];
    if (game_.Current >= 1 && last.IsRecorded()) {
        pieces_.MarkLastMove(last.From, last.To);
    } else {
        pieces_.MarkLastMove(0, 0);
    }
    UpdateAccessAids();
    if (explorer_) explorer_->Follow();
}

void TMainForm::Proposeruncoup1Click() {
    // Only a human to move asks for a hint; the tick goes on behind the dialog.
    if (!menu_.Proposeruncoup1->isEnabled()) return;
    dialogs::TFPropo dialog(game_, this);
    if (dialog.exec() == QDialog::Accepted) PlayAsClicked(dialog.ProposedMove());
}

}  // namespace circumvia::control
