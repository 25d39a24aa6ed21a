// What the turn loop asks of the window.
#include <QApplication>

#include "control/access/spoken_events.h"
#include "control/settings/player_settings.h"
#include "control/window/main_form.h"
#include "control/window/status_line.h"
#include "dialogs/display_text.h"
#include "dialogs/setup_dialog.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

void TMainForm::StopAllMovements() {
    board_.Scene().StopAllMovements();
}

void TMainForm::ForgetMovePieces() {
    animation_.Forget();
}

void TMainForm::ShowStartView() {
    ShowView(settings_text_.size() >= 5 && settings_text_[4] == u'2');
}

void TMainForm::SetStatusText(const std::string& text) {
    SetStatusText(QString::fromStdString(text));
    // The message over the board says the result; screen readers read it as it opens.
    if (turn_.State() == LoopState::GameOver)
        StatusLine_->KeepAnnouncement(StatusLine_->StatusText());
}

void TMainForm::SetPanelText(int panel, const std::string& text) {
    StatusLine_->SetPanelText(panel, QString::fromStdString(text));
}

void TMainForm::EnableTimer(bool on) {
    if (on) {
        Timer1_.start();
    } else {
        Timer1_.stop();
    }
}

std::optional<NewGameSetup> TMainForm::RunPlayerSetup() {
    // The dialog writes into a game of its own, so that a cancelled set-up leaves this one
    // untouched; it opens with the names and kinds of the last game set up.
    Tjeu next;
    for (const Side side : {kRed, kWhite}) {
        next.PlayerOf(side).Name = game_.PlayerOf(side).Name;
        next.PlayerOf(side).Kind = StoredKind(*settings_, side, next.PlayerOf(side).Kind);
    }
    // Freed on every way out; the loop turns the tick back on.
    dialogs::TFSetup setup(player_names_, this);
    setup.LoadFromGame(next);
    setup.SetRatedChoices(rated_.SetupChoices());
    connect(&setup, &dialogs::TFSetup::KindSpoken, StatusLine_, &StatusLine::Announce);
    // Only a confirmed set-up is about to replace the game: the save question comes then.
    if (setup.exec() == QDialog::Accepted && rated_.MayLeave() && MayDropGame()) {
        rated_.Leave();
        if (setup.RatedGame()) rated_.Start(next.Players);
        return NewGameSetup{next.Players, next.SideToMove};
    }
    SetStatusText(status_before_new_game_);
    return std::nullopt;
}

void TMainForm::ForgetOldGame() {
    LeaveTraining();
    AbandonComputerSearch();
    StopAllMovements();
    ForgetMovePieces();
    HighlightPiece(nullptr);
    ShowPossibleMoves(0);
    unsaved_moves_ = false;
    SetCaption(QStringLiteral("Circumvia"));
    // The last game's end is news no more: the new game's first word is whose turn it is.
    StatusLine_->Announce(QString::fromStdString(SpokenTurn(game_.SideToMove)));
}

void TMainForm::StorePlayerNames() {
    for (const Side side : {kRed, kWhite}) {
        StorePlayer(*settings_, side, game_.PlayerOf(side));
    }
}

void TMainForm::SetBusyCursor(bool on) {
    if (on == busy_cursor_) return;
    busy_cursor_ = on;
    // The window answers while the computer thinks: the pointer says it works behind.
    if (on) {
        QApplication::setOverrideCursor(Qt::BusyCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

std::optional<Move> TMainForm::ComputerMove() {
    if (LessonSession* lesson = LessonUnderWay()) return lesson->TakeReply();
    if (puzzles_->OnBoard()) return puzzles_->TakeReply();
    if (!computer_search_) {
        computer_search_ = std::make_unique<ComputerSearch>(game_);
        SetBusyCursor(true);  // also for a search started afresh after an abandoned one
    }
    if (!computer_search_->Finished()) return std::nullopt;
    const Move move = computer_search_->TakeMove(game_);
    computer_search_.reset();
    return move;
}

void TMainForm::AbandonComputerSearch() {
    computer_search_.reset();  // stops the search and waits the moment it takes to end
    SetBusyCursor(false);
}

void TMainForm::WaitForComputerSearch() {
    if (computer_search_) computer_search_->Wait();
}

std::string TMainForm::SelectionNote() {
    if (!entry_note_.empty()) return entry_note_;  // why a typed move was refused
    // A piece without a move may be selected; the turn message then says why nothing shows.
    if (turn_.State() != LoopState::HumanTurn || turn_.Phase() != kPieceSelected ||
        !IsCell(turn_.MoveFrom()) || !ListDestinations(turn_.MoveFrom(), game_.Pos).empty()) {
        return {};
    }
    return lang::LoadText(lang::message::kPieceHasNoMove);
}

}  // namespace circumvia::control
