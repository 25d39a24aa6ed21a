// What the turn loop and rated games ask of the window about rated games.
#include "control/window/main_form.h"

namespace circumvia::control {

std::string TMainForm::TurnNote() {
    return rated_.TurnNote();
}

void TMainForm::GameEnded() {
    const bool rated = rated_.UnderWay();
    rated_.GameEnded();
    // A rated game is analysed as it ends, so its mistakes join the player's practice.
    if (rated && !rated_.UnderWay()) review_->Analyse();
}

std::string TMainForm::ResultNote() {
    return rated_.ResultNote();
}

void TMainForm::StoreRatings(const RatedPlayers& players) {
    settings_->Write(SettingsStore::kRatings, players.TextThatFits([this](const QString& text) {
        return settings_->Fits(SettingsStore::kRatings, text);
    }));
}

bool TMainForm::ConfirmLeavingRatedGame(const QString& question, const QString& detail) {
    const BusyScope busy(turn_);
    return file_dialogs_.confirm(this, question, detail);
}

}  // namespace circumvia::control
