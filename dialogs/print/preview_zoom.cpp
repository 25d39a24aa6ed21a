#include "dialogs/print/preview_zoom.h"

#include <algorithm>
#include <cmath>

namespace circumvia::dialogs {

int ClampZoom(int percent) {
    return std::clamp(percent, kMinZoom, kMaxZoom);
}

double PreviewScale(ZoomState state, int percent, QSize page, QSize view) {
    if (state == ZoomState::kPercent || page.isEmpty()) return ClampZoom(percent) / 100.0;
    const double width_fit = std::max(1, view.width() - 2 * kPageGap) / double(page.width());
    const double height_fit = std::max(1, view.height() - 2 * kPageGap) / double(page.height());
    double fit = width_fit;
    if (state == ZoomState::kPageHeight) fit = height_fit;
    if (state == ZoomState::kWholePage) fit = std::min(width_fit, height_fit);
    return std::clamp(fit, kMinZoom / 100.0, kMaxZoom / 100.0);
}

int StepZoom(double scale, int direction) {
    const double factor = direction > 0 ? 1.1 : 1 / 1.1;
    const int now = static_cast<int>(std::lround(scale * 100));
    int next = static_cast<int>(std::lround(scale * 100 * factor));
    if (next == now) next += direction > 0 ? 1 : -1;  // small zooms still move
    return ClampZoom(next);
}

}  // namespace circumvia::dialogs
