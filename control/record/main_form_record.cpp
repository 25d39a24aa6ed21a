// The record beside the board: the move list dock, and going to any of its moves.
#include <algorithm>

#include "control/record/move_list.h"
#include "control/record/record_jump.h"
#include "control/window/main_form.h"
#include "model/record_review.h"

namespace circumvia::control {

void TMainForm::BuildMoveList() {
    move_list_ = new MoveListDock(this);
    addDockWidget(Qt::RightDockWidgetArea, move_list_);
    move_list_->hide();  // the designed window has no side panel until one is asked for
    menu_.Edition->addSeparator();
    menu_.Edition->addAction(move_list_->toggleViewAction());
    connect(move_list_, &MoveListDock::NodeChosen, this, [this](int node) {
        if (!turn_.IsReady()) return;
        // A move of the record's line: by the record's own steps, as designed.
        const std::vector<int>& line = game_.Tree.Line();
        const auto depth = static_cast<std::size_t>(game_.Tree.Depth(node));
        if (depth < line.size() && line[depth] == node) {
            GoToRecordedMove(static_cast<int>(depth));
        } else {
            StandOnNode(node);
        }
    });
}

void TMainForm::GoToRecordedMove(int index) {
    if (Reviewing()) {
        const int target = std::clamp(index, 0, LastRecordedEntry(game_));
        if (target != game_.Current) {
            ReviewGoTo(game_, target);
            ResumeAfterReviewStep();
        }
        UpdateNavigation();
        return;
    }
    const int target = NearestStop(game_.StepStops(), game_.Current, index);
    if (target != game_.Current && !RatedGameUnderWay()) {
        // The buttons' own steps, so the record lands exactly where they would have.
        while (game_.Current > target && game_.CanStepBack()) game_.StepBack();
        while (game_.Current < target && game_.CanStepForward()) game_.StepForward();
        ReopenAfterStep();
    }
    UpdateNavigation();
}

}  // namespace circumvia::control
