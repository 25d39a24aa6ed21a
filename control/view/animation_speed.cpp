#include "control/view/animation_speed.h"

namespace circumvia::control {

namespace {
constexpr std::string_view kNames[kAnimationSpeedCount] = {"designed", "fast", "instant"};
}  // namespace

double SpeedFactor(AnimationSpeed speed) {
    return speed == AnimationSpeed::kFast ? kFastFactor : 1.0;
}

std::string AnimationSpeedText(AnimationSpeed speed) {
    return std::string(kNames[static_cast<int>(speed)]);
}

AnimationSpeed ParseAnimationSpeed(std::string_view text) {
    for (int i = 0; i < kAnimationSpeedCount; ++i) {
        if (text == kNames[i]) return static_cast<AnimationSpeed>(i);
    }
    return AnimationSpeed::kDesigned;
}

}  // namespace circumvia::control
