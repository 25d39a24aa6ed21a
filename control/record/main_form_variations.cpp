// The tree of lines in the window: who plays in a line being explored, and what the tree's
// walk and edits (VariationEditor) ask of the window.
#include <algorithm>

#include "control/record/move_list.h"
#include "control/record/variation_editor.h"
#include "control/window/main_form.h"
#include "control/window/status_line.h"
#include "model/record_review.h"

namespace circumvia::control {

bool TMainForm::Exploring() {
    if (RatedGameUnderWay()) return false;
    // A game under review goes on with the computer only from the end of its main line.
    return MainLineFinished(game_) || (Reviewing() && !AtMainLineEnd(game_));
}

void TMainForm::BuildVariations() {
    variations_ = new VariationEditor(*this, menu_, *move_list_);
}

bool TMainForm::TreeOpen() const {
    return turn_.IsReady() && !RatedGameUnderWay();
}

void TMainForm::StandOnNode(int node) {
    if (!TreeOpen() || !game_.Tree.Contains(node)) return;
    // A place on the record's line that its own steps reach: the line stays as it is, so
    // that the branch point keeps the variation the player came from.
    const std::vector<int>& line = game_.Tree.Line();
    const int depth = game_.Tree.Depth(node);
    if (static_cast<std::size_t>(depth) < line.size() &&
        line[static_cast<std::size_t>(depth)] == node) {
        const std::vector<int> stops = game_.StepStops();
        if (Reviewing() || std::binary_search(stops.begin(), stops.end(), depth)) {
            GoToRecordedMove(depth);
            return;
        }
    }
    game_.GoToNode(node);
    SettleOnTree();
    UpdateNavigation();
}

void TMainForm::SettleOnTree() {
    if (Reviewing()) {
        ResumeAfterReviewStep();
        return;
    }
    // While a game is being played against the computer, the board stops where a human is to
    // move: after the computer's recorded reply, or else the computer answers now.
    const auto computer_to_move = [this] {
        return game_.Result == kInProgress && IsComputer(game_.PlayerOf(game_.SideToMove).Kind) &&
               !Exploring();
    };
    for (int reply = game_.Tree.Node(game_.CurrentNode()).FirstChild;
         computer_to_move() && reply != kNoNode;
         reply = game_.Tree.Node(game_.CurrentNode()).FirstChild) {
        game_.GoToNode(reply);
    }
    ReopenAfterStep();
    if (computer_to_move()) turn_.ResumeAtTurnStart();
}

void TMainForm::TreeChanged(bool board_moved) {
    MarkUnsavedMoves(true);
    if (board_moved) SettleOnTree();
    UpdateNavigation();
}

void TMainForm::SayVariation(const QString& text) {
    SetStatusText(text);
    StatusLine_->Announce(text);
}

}  // namespace circumvia::control
