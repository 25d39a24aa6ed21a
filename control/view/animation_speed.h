#pragma once
// How fast moves, captures and the board's quarter turn are shown: at the designed speed,
// faster, or at once. Stored in the settings store under a value of its own, beside the
// settings text, whose format stays as it is.

#include <string>
#include <string_view>

namespace circumvia::control {

enum class AnimationSpeed { kDesigned = 0, kFast = 1, kInstant = 2 };
inline constexpr int kAnimationSpeedCount = 3;

// Fast runs every glide, flight and turn this many times quicker.
inline constexpr double kFastFactor = 4;

// Multiplies the designed speeds; instant animations are finished at once instead.
double SpeedFactor(AnimationSpeed speed);

// The stored value: "designed", "fast" or "instant"; anything else reads as designed.
std::string AnimationSpeedText(AnimationSpeed speed);
AnimationSpeed ParseAnimationSpeed(std::string_view text);

}  // namespace circumvia::control
