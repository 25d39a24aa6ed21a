#include "scene/scene.h"

#include "scene/movement.h"

namespace circumvia::scene {
namespace {

// A handler that restarts its path whenever it is stopped must not hold the stop forever.
constexpr int kMaxStopRounds = 100;

bool AnyTravelling(const TSceneObject& object) {
    if (object.Movement() != nullptr && object.Movement()->Travelling()) return true;
    for (const auto& child : object.Children()) {
        if (AnyTravelling(*child)) return true;
    }
    return false;
}

}  // namespace

TScene::TScene() : materials_(&log_), root_(std::make_unique<TDummyCube>()) {
    root_->AttachLog(&log_);
}

TSceneObject* TScene::FindObject(std::string_view name) {
    return root_->FindObject(name);
}

void TScene::Advance(double time, double dt) {
    root_->VisitTree([time, dt](TSceneObject& object) { object.Advance(time, dt); });
}

void TScene::StopAllMovements() {
    for (int round = 0; round < kMaxStopRounds; ++round) {
        bool stopped_any = false;
        root_->VisitTree([&stopped_any](TSceneObject& object) {
            TMovement* movement = object.Movement();
            if (movement != nullptr && movement->Travelling()) {
                movement->StopPathTravel();
                stopped_any = true;
            }
        });
        if (!stopped_any) return;
    }
}

void TScene::FinishAllMovements() {
    for (int round = 0; round < kMaxStopRounds; ++round) {
        bool finished_any = false;
        root_->VisitTree([&finished_any](TSceneObject& object) {
            TMovement* movement = object.Movement();
            if (movement != nullptr && movement->Travelling()) {
                movement->FinishPathTravel();
                finished_any = true;
            }
        });
        if (!finished_any) return;
    }
    StopAllMovements();
}

bool TScene::AnythingTravelling() const {
    return AnyTravelling(*root_);
}

void TScene::SetChangeListener(std::function<void()> listener) {
    log_.SetListener(std::move(listener));
}

}  // namespace circumvia::scene
