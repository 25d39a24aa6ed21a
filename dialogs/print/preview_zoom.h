#pragma once
// The page preview's zoom: a percentage (100 % shows one page unit per screen pixel) or one
// of three states that fit the page to the view and follow the view's size.

#include <QSize>

namespace circumvia::dialogs {

enum class ZoomState { kPercent, kPageWidth, kPageHeight, kWholePage };

inline constexpr int kMinZoom = 10;
inline constexpr int kMaxZoom = 500;
inline constexpr int kPageGap = 8;  // screen pixels kept round the page

int ClampZoom(int percent);

// Screen pixels per page unit: `percent` / 100 in kPercent, otherwise the fit of `page`
// into `view` less the gap on each side, itself kept within the zoom limits.
double PreviewScale(ZoomState state, int percent, QSize page, QSize view);

// The zoom after one step in (+1) or out (-1) from `scale`: the next tenth of the way,
// rounded to whole percent, within the limits.
int StepZoom(double scale, int direction);

}  // namespace circumvia::dialogs
