// What the turn loop asks of the window.
#include <QApplication>

#include "control/main_form.h"
#include "control/status_line.h"

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
    // The set-up dialog comes with the dialogs; until then the model's default players
    // (Red a human, White the computer at level 3, Red first) play.
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
