// The window's keys beyond the menu shortcuts: Escape, Home and End for the animation, the
// selection and the record, and the arrows that tilt the board group.
#include "control/record/record_jump.h"
#include "control/window/main_form.h"

namespace circumvia::control {

bool TMainForm::FormKeyDown(int key) {
    scene::TDummyCube& group = *board_.DummyCube;
    switch (key) {
        case Qt::Key_Escape:
            if (FinishAnimationsNow()) return true;
            if (review_->LeaveLine()) return true;
            if (turn_.State() == LoopState::HumanTurn && turn_.Phase() == kPieceSelected) {
                DropSelection();
                return true;
            }
            return false;
        case Qt::Key_Home:
            GoToRecordedMove(0);
            return true;
        case Qt::Key_End:
            GoToRecordedMove(static_cast<int>(RecordedMoves(game_).size()));
            return true;
        // The arrows tilt the board and still reach the window's own key handling; the move
        // arrows follow, drawn where their cells are seen.
        case Qt::Key_Left:
            group.SetTurnAngle(group.TurnAngle() - 1);
            break;
        case Qt::Key_Right:
            group.SetTurnAngle(group.TurnAngle() + 1);
            break;
        case Qt::Key_Up:
            group.SetPitchAngle(group.PitchAngle() - 1);
            break;
        case Qt::Key_Down:
            group.SetPitchAngle(group.PitchAngle() + 1);
            break;
        default:
            return false;
    }
    pieces_.PlaceMarkers();
    return false;
}

}  // namespace circumvia::control
