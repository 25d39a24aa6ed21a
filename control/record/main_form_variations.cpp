// The tree of lines in the window: who plays in a line being explored.
#include "control/window/main_form.h"
#include "model/record_review.h"

namespace circumvia::control {

bool TMainForm::Exploring() {
    if (RatedGameUnderWay()) return false;
    // A game under review goes on with the computer only from the end of its main line.
    return MainLineFinished(game_) || (Reviewing() && !AtMainLineEnd(game_));
}

}  // namespace circumvia::control
