// A human plays by two clicks on the board: a piece of the side to move, then one of its
// destinations (its cell disk, its arrow marker or the enemy piece standing on it).
#include <algorithm>

#include "control/access/spoken_events.h"
#include "control/window/main_form.h"
#include "control/window/status_line.h"
#include "scene/gl/scene_viewer.h"
#include "scene/picking.h"

namespace circumvia::control {

namespace {
constexpr int kPickSquareHalf = 2;  // the 5 x 5 square around the pointer
constexpr int kPickCapacity = 10;

bool IsCellDisk(const scene::TSceneObject& object) {
    return object.Name().size() > 2 && object.Name().compare(0, 2, "PL") == 0 && !IsProxy(object);
}
}  // namespace

scene::TSceneObject* TMainForm::FindCandidate(
    QPoint at, const std::function<bool(const scene::TSceneObject&)>& qualifies) {
    if (scene::TSceneObject* nearest = Viewer_->GetPickedObject(at.x(), at.y());
        nearest && qualifies(*nearest)) {
        return nearest;
    }
    const QRect square(at - QPoint(kPickSquareHalf, kPickSquareHalf),
                       at + QPoint(kPickSquareHalf, kPickSquareHalf));
    for (const scene::PickHit& hit : Viewer_->GetPickedObjects(square, kPickCapacity)) {
        if (qualifies(*hit.object)) return hit.object;
    }
    return nullptr;
}

bool TMainForm::IsDestination(int cell) const {
    return std::any_of(possible_moves_.begin(), possible_moves_.end(),
                       [cell](const Move& m) { return m.To == cell; });
}

void TMainForm::ViewerMouseDown(QPoint at) {
    if (review_->LeaveLine()) return;  // the board showed a line, not the game
    if (turn_.State() != LoopState::HumanTurn || turn_.Phase() == kMoveUnderWay) return;
    if (turn_.Phase() == kNoSelection) {
        const Side side = game_.SideToMove;
        scene::TSceneObject* piece = FindCandidate(
            at, [side](const scene::TSceneObject& o) { return o.Tag() > 0 && IsPieceOf(o, side); });
        if (piece) {
            HighlightPiece(piece);
            turn_.SelectPiece(piece->Tag());
            ShowPossibleMoves(turn_.MoveFrom());
            // Said at once; the next tick repeats it after the turn message.
            if (const std::string note = SelectionNote(); !note.empty()) {
                SetStatusText(StatusLine_->StatusText() + QStringLiteral("  ") +
                              QString::fromStdString(note));
            }
        } else {
            DropSelection();
        }
        UpdateNavigation();
        return;
    }
    if (turn_.Phase() == kPieceSelected) {
        if (!IsCell(turn_.MoveFrom())) {
            DropSelection();
            return;
        }
        if (possible_moves_.empty()) ShowPossibleMoves(turn_.MoveFrom());
        scene::TSceneObject* target = FindCandidate(at, [this](const scene::TSceneObject& o) {
            return o.Tag() > 0 && IsDestination(o.Tag());
        });
        if (target) {
            HighlightPiece(target);
            const int to = target->Tag();  // hiding the markers clears an arrow's tag
            ShowPossibleMoves(0);
            PlayMove(turn_.MoveFrom(), to);
            turn_.ForgetSelectedCells();
        } else {
            DropSelection();  // a miss, even on another piece of one's own side
        }
    }
}

void TMainForm::PlayAsClicked(Move move) {
    if (turn_.State() != LoopState::HumanTurn || turn_.Phase() == kMoveUnderWay) return;
    if (!IsCell(move.From) || !IsCell(move.To) || game_.Pos[move.From] != game_.SideToMove) return;
    // The first click: the piece lights up and its destinations are listed.
    HighlightPiece(pieces_.PieceOnCell(move.From));
    turn_.SelectPiece(move.From);
    ShowPossibleMoves(move.From);
    if (!IsDestination(move.To)) {
        DropSelection();
        return;
    }
    // The second click, on the destination.
    HighlightPiece(pieces_.PieceOnCell(move.To));
    ShowPossibleMoves(0);
    PlayMove(move.From, move.To);
    turn_.ForgetSelectedCells();
}

void TMainForm::DropSelection() {
    const bool selected = turn_.State() == LoopState::HumanTurn && turn_.Phase() == kPieceSelected;
    HighlightPiece(nullptr);
    turn_.DropSelection();
    ShowPossibleMoves(0);
    AnnounceBoardChanges(Viewer_);
    if (selected) StatusLine_->Announce(QString::fromStdString(SpokenSelection(0)));
}

void TMainForm::ViewerMouseMove(QPoint at) {
    const scene::TSceneObject* object = Viewer_->GetPickedObject(at.x(), at.y());
    bool hand = false;
    if (object && object->Tag() > 0 && (IsProxy(*object) || IsCellDisk(*object)) &&
        turn_.State() == LoopState::HumanTurn) {
        hand = turn_.Phase() == kNoSelection ? IsPieceOf(*object, game_.SideToMove)
                                             : IsDestination(object->Tag());
    }
    Viewer_->setCursor(hand ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void TMainForm::ShowPossibleMoves(int cell) {
    if (!turn_.IsReady()) return;
    possible_moves_.clear();
    if (cell > 0) possible_moves_ = ListDestinations(cell, game_.Pos);
    pieces_.ShowMarkers(possible_moves_, game_.Pos, cell > 0 && menu_.Coupsposs->isChecked());
}

void TMainForm::HighlightPiece(scene::TSceneObject* object) {
    if (object && IsProxy(*object)) {
        pieces_.LightUp(object);
        if (object->Tag() <= 0) RefreshPieces();
    } else {
        pieces_.LightUp(nullptr);
    }
    FrameClock_.Step();
}

}  // namespace circumvia::control
