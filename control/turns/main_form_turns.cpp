// What the turn loop asks of the window.
#include <QApplication>

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

void TMainForm::RunPlayerSetup() {
    // Freed on every way out; the loop turns the tick back on.
    dialogs::TFSetup setup(player_names_, this);
    setup.LoadFromGame(game_);
    rated_note_.clear();
    setup.exec();  // the way it was closed does not matter: the dialog wrote the model
    if (setup.RatedGame()) StartRatedGame(game_.Players);
}

void TMainForm::StorePlayerNames() {
    // A name too long to be shown whole (one from a file) is used for this game only.
    const std::pair<const QString&, Side> players[] = {{SettingsStore::kWhiteName, kWhite},
                                                       {SettingsStore::kRedName, kRed}};
    for (const auto& [key, side] : players) {
        const QString name = QString::fromStdString(game_.PlayerOf(side).Name);
        if (name.toUcs4().size() <= dialogs::kLongestShownName) settings_->Write(key, name);
    }
}

void TMainForm::SetBusyCursor(bool on) {
    if (on) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        QApplication::restoreOverrideCursor();
    }
}

Move TMainForm::ComputerMove() {
    return game_.ComputerMove(game_.Pos, game_.SideToMove);
}

std::string TMainForm::SelectionNote() {
    // A piece without a move may be selected; the turn message then says why nothing shows.
    if (turn_.State() != LoopState::HumanTurn || turn_.Phase() != kPieceSelected ||
        !IsCell(turn_.MoveFrom()) || !ListDestinations(turn_.MoveFrom(), game_.Pos).empty()) {
        return {};
    }
    return lang::LoadText(lang::message::kPieceHasNoMove);
}

}  // namespace circumvia::control
