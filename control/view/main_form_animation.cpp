// The animation speed, and finishing every animation under way at once.
#include "control/view/view_math.h"
#include "control/window/main_form.h"

namespace circumvia::control {

namespace {
// A time step long enough for any quarter turn to land on its target.
constexpr double kInstantSeconds = 1e6;
}  // namespace

void TMainForm::SetAnimationSpeed(AnimationSpeed speed) {
    animation_speed_ = speed;
    animation_.SetSpeedFactor(SpeedFactor(speed));
    menu_.AnimationSpeedItems[static_cast<std::size_t>(speed)]->setChecked(true);
    if (speed == AnimationSpeed::kInstant) FinishAnimationsNow();
}

bool TMainForm::FinishAnimationsNow() {
    if (!turn_.IsReady()) return false;
    scene::TCube& slab = *board_.Plateau;
    const double landed = TurnStep(slab.TurnAngle(), slab.TagFloat(), kInstantSeconds);
    const bool turning = landed != slab.TurnAngle();
    if (turning) slab.SetTurnAngle(landed);
    // Each path lands on its last node and reports its end, so the click, the victim's
    // flight, the hiding of captured pieces and the turn loop's signal all happen as at the
    // designed speed.
    const bool moving = board_.Scene().AnythingTravelling();
    if (moving) board_.Scene().FinishAllMovements();
    if (turning || moving) FrameClock_.Step();
    return turning || moving;
}

double TMainForm::TurnTimeStep(double dt) const {
    return animation_speed_ == AnimationSpeed::kInstant ? kInstantSeconds
                                                        : dt * SpeedFactor(animation_speed_);
}

}  // namespace circumvia::control
