#pragma once
// The numbers behind the view commands: zoom that follows the window, zoom steps and
// limits, and the board's quarter and half turns.

namespace circumvia::control {

inline constexpr double kMinFocalLength = 5;
inline constexpr double kMaxFocalLength = 200;
inline constexpr double kPerspectiveFocalLength = 100;
inline constexpr double kTopFocalLength = 10;
inline constexpr int kReferenceWidth = 668;  // the window's designed outer size
inline constexpr int kReferenceHeight = 478;
inline constexpr double kTurnDegreesPerSecond = 10;

// Focal length keeping the board in proportion to the window's outer size, within limits.
double FitZoom(double base_focal_length, int outer_width, int outer_height);

// The same for the view from above, whose parallel projection already grows with the
// window: only the window's shape matters, so the whole board with its coordinates stays in
// view at any size.
double TopFitZoom(double base_focal_length, int outer_width, int outer_height);

// One step in or out; the limit is tested before the step, so 199.5 still zooms to 200.5.
double ZoomIn(double focal_length);
double ZoomOut(double focal_length);

// A standard wheel gives 120 per notch, positive away from the user (zooming out by 12);
// a result outside the open range (5, 200) is refused.
double WheelZoom(double focal_length, int delta);

// Next target of the quarter turn: 90, 180, 270, 0, ... from the stored turn angle
// (-180..180).
double QuarterTurnTarget(double stored_turn);

// The half turn: 180 from 0, 90 or 270; 0 from 180.
double HalfTurnTarget(double stored_turn);

// The board's turn angle after `dt` seconds of turning towards `target`, always in the
// positive sense. Returns the angle to set, or the stored one when it is already there.
double TurnStep(double stored_turn, double target, double dt);

}  // namespace circumvia::control
