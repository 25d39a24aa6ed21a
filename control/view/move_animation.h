#pragma once
// Turns a move into movements of the scene: the moving piece's paths, the victim's
// flight, and the handling of each path's end (click, start of the flight, hiding the
// captured piece, counting the running paths down to the turn loop's signal).

#include <functional>

#include "control/turns/turn_state.h"
#include "control/view/board_pieces.h"
#include "model/movegen.h"
#include "scene/board/move_paths.h"
#include "scene/movement.h"

namespace circumvia::control {

class MoveAnimation {
public:
    struct Hooks {
        std::function<bool()> sound_on;  // whether the click is wanted
        std::function<void()> play_click;
        std::function<void()> step_clock;      // one frame-clock step so travel begins at once
        std::function<void()> repaint_status;  // piece counts in the status bar
    };

    MoveAnimation(BoardPieces& pieces, TurnState& turn, Hooks hooks);

    // Drops the previous move's pieces and movements.
    void Forget();

    // Multiplies the speed of every node of the next moves' paths (1: as designed).
    void SetSpeedFactor(double factor) { speed_factor_ = factor; }

    // Builds and starts the moving piece's paths ("C", or "S" and the settling path) and
    // gives the piece its new cell.
    void AnimateMove(scene::TSceneObject& mover, int from, int to, const CapturePathCells& route,
                     bool victim_found);

    // Prepares the victim's flight ("PRISE"), started when the capturing piece reaches it.
    // `count`: pieces of the victim's side on the board before the move, itself included.
    void PrepareCaptureFlight(scene::TSceneObject& victim, int to, int count,
                              std::uint8_t victim_side);

    // The path-end handler of both movements.
    void PathEnded(scene::TMovement& movement, scene::TMovementPath& path);

    int LastLineCell() const { return last_line_cell_; }

private:
    void InstallHandler(scene::TMovement& movement);

    BoardPieces& pieces_;
    TurnState& turn_;
    Hooks hooks_;
    scene::TSceneObject* mover_ = nullptr;
    scene::TSceneObject* victim_ = nullptr;
    scene::TMovement* victim_movement_ = nullptr;
    int last_line_cell_ = -1;
    double speed_factor_ = 1;
};

}  // namespace circumvia::control
