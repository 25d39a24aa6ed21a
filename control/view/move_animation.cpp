#include "control/view/move_animation.h"

namespace circumvia::control {

namespace {

// Fills a scene path from a planned one. The first node is taken from the object itself
// (keeping its rotation and scale); every later one starts as a copy of the one before.
void Fill(scene::TMovementPath& path, const scene::PlannedPath& plan,
          const scene::TSceneObject* object, double speed_factor) {
    path.SetName(plan.name);
    path.SetMode(scene::TMovementPath::SplineMode::kCubic);
    for (std::size_t i = 0; i < plan.nodes.size(); ++i) {
        scene::TPathNode& node = (i == 0 && object) ? path.AddNodeFrom(*object) : path.AddNode();
        node.position = plan.nodes[i].position;
        node.speed = plan.nodes[i].speed * speed_factor;
    }
}

}  // namespace

MoveAnimation::MoveAnimation(BoardPieces& pieces, TurnState& turn, Hooks hooks)
    : pieces_(pieces), turn_(turn), hooks_(std::move(hooks)) {}

void MoveAnimation::Forget() {
    mover_ = nullptr;
    victim_ = nullptr;
    victim_movement_ = nullptr;
    last_line_cell_ = -1;
}

void MoveAnimation::InstallHandler(scene::TMovement& movement) {
    movement.ClearPaths();
    movement.SetPathEndHandler(
        [this](scene::TMovement& m, scene::TMovementPath& p, bool&) { PathEnded(m, p); });
}

void MoveAnimation::AnimateMove(scene::TSceneObject& mover, int from, int to,
                                const CapturePathCells& route, bool victim_found) {
    mover_ = &mover;
    scene::TMovement& movement = mover.GetOrCreateMovement();
    InstallHandler(movement);
    const scene::MoverPlan plan =
        scene::PlanMoverPaths(mover.Position(), from, to, route, victim_found);
    last_line_cell_ = plan.last_line_cell;
    bool first = true;
    for (const scene::PlannedPath& planned : plan.paths) {
        Fill(movement.AddPath(), planned, first ? &mover : nullptr, speed_factor_);
        turn_.PathStarted();
        first = false;
    }
    movement.SetActivePathIndex(0);
    movement.StartPathTravel();
    if (hooks_.step_clock) hooks_.step_clock();
    mover.SetTag(to);
}

void MoveAnimation::PrepareCaptureFlight(scene::TSceneObject& victim, int to, int count,
                                         std::uint8_t victim_side) {
    victim_ = &victim;
    victim.SetTag(-1);
    scene::TMovement& movement = victim.GetOrCreateMovement();
    InstallHandler(movement);
    Fill(movement.AddPath(),
         scene::PlanCaptureFlight(victim.Position(), to, count, last_line_cell_,
                                  victim_side == kRed),
         &victim, speed_factor_);
    turn_.PathStarted();
    movement.SetActivePathIndex(0);  // started when the capturing piece reaches it
    victim_movement_ = &movement;
}

void MoveAnimation::PathEnded(scene::TMovement&, scene::TMovementPath& path) {
    if (!turn_.IsReady()) return;
    pieces_.LightUp(nullptr);
    turn_.PathEnded();
    const std::string& name = path.Name();
    if ((name == scene::kCapturePath || name == scene::kStepPath) && hooks_.sound_on &&
        hooks_.sound_on()) {
        if (hooks_.play_click) hooks_.play_click();
    }
    if (name == scene::kCapturePath && victim_movement_ != nullptr)
        victim_movement_->StartPathTravel();
    if (name == scene::kVictimPath) pieces_.HideCapturedPieces();
    if (hooks_.repaint_status) hooks_.repaint_status();
}

}  // namespace circumvia::control
