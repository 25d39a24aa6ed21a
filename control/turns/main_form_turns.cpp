// What the turn loop asks of the window.
#include <QApplication>

#include "control/window/main_form.h"
#include "control/window/status_line.h"
#include "dialogs/setup_dialog.h"

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
    if (turn_.State() == LoopState::GameOver) StatusLine_->Announce(StatusLine_->StatusText());
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
    setup.exec();  // the way it was closed does not matter: the dialog wrote the model
}

void TMainForm::StorePlayerNames() {
    settings_->Write(SettingsStore::kWhiteName,
                     QString::fromStdString(game_.PlayerOf(kWhite).Name));
    settings_->Write(SettingsStore::kRedName, QString::fromStdString(game_.PlayerOf(kRed).Name));
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

}  // namespace circumvia::control
