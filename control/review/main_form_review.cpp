// The window's part of the game review: what GameReview asks of it, and who plays once a
// review step has reached a position.
#include "control/review/game_review.h"
#include "control/window/main_form.h"
#include "control/window/status_line.h"
#include "model/record_review.h"
#include "model/review_lines.h"
#include "scene/gl/scene_viewer.h"

namespace circumvia::control {

bool TMainForm::MoveUnderWay() const {
    return turn_.Phase() == kMoveUnderWay;
}

void TMainForm::ChooseRecordedMove(int index) {
    if (turn_.IsReady()) GoToRecordedMove(index);
}

void TMainForm::EnableAnalyseCommand(bool on) {
    menu_.AnalyseItem->setEnabled(on);
}

void TMainForm::EnableMistakeSteps(bool back, bool forward) {
    menu_.PreviousMistakeItem->setEnabled(back);
    menu_.NextMistakeItem->setEnabled(forward);
}

void TMainForm::EnableBetterLine(bool on) {
    menu_.BetterLineItem->setEnabled(on);
}

void TMainForm::OpenBetterLine(const MoveAnalysis& move) {
    if (!turn_.IsReady() || InsertBetterLine(game_, move) == kNoNode) return;
    MarkUnsavedMoves(true);
    ResumeAfterReviewStep();
    UpdateNavigation();
}

void TMainForm::ShowReviewedPosition() {
    RefreshPieces();
    ShowPossibleMoves(0);
    // Why, on the board: the better move before a marked move, the punishing reply after it,
    // each with its capture's route.
    if (const Move arrow = ReviewArrowAt(review_->Analysis(), game_.Current); !arrow.IsNull()) {
        pieces_.ShowMarkers({arrow}, game_.Pos, true);
    }
    loop_.ShowLastMoves();  // of the position shown
}

void TMainForm::ResumeAfterReviewStep() {
    ShowReviewedPosition();
    if (game_.Result != kInProgress) return;  // the next tick shows the result
    if (!IsComputer(game_.PlayerOf(game_.SideToMove).Kind) || Exploring()) {
        turn_.ResumeHumanTurn();
    } else if (game_.Current == LastRecordedEntry(game_)) {
        turn_.ResumeAtTurnStart();
    } else {
        turn_.ParkForReview();
    }
}

void TMainForm::ShowLinePosition(const Position& position, Move last, Move next) {
    if (!turn_.IsReady()) return;
    DropSelection();
    pieces_.RefreshPieces(position);
    pieces_.MarkLastMove(last.From, last.To);
    pieces_.ShowMarkers({next}, position, !next.IsNull());
}

void TMainForm::ShowGamePosition() {
    if (!turn_.IsReady()) return;
    ShowReviewedPosition();
    AnnounceBoardChanges(Viewer_);  // the board's cells read the game again
}

void TMainForm::AnnounceLine(const QString& text) {
    SetStatusText(text);
    StatusLine_->Announce(text);
}

void TMainForm::AnnounceReview(const std::string& text) {
    AnnounceLine(QString::fromStdString(text));
}

}  // namespace circumvia::control
