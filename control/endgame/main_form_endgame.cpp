// The window's part of the endgame explorer: a practice of the ending on the board becomes
// a new game from its position, and a move chosen in the panel is played as its clicks
// would play it.
#include "control/window/main_form.h"
#include "control/window/status_line.h"
#include "model/endgame/endgame_explorer.h"

namespace circumvia::control {

bool TMainForm::StartPractice(Side learner) {
    if (!rated_.MayLeave() || !MayDropGame()) return false;
    LeaveTraining();
    PutGameOnBoard([this, learner] { endgame::SetUpPractice(game_, learner); });
    return true;
}

void TMainForm::PlayExploredMove(Move move) {
    if (HumanMayPlay()) PlayAsClicked(move);
}

void TMainForm::TellPractice(const QString& text) {
    SetStatusText(text);
    StatusLine_->Announce(text);
}

}  // namespace circumvia::control
