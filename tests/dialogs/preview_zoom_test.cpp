#include "dialogs/print/preview_zoom.h"

#include <gtest/gtest.h>

namespace circumvia::dialogs {
namespace {

const QSize kPage(794, 1123);

TEST(PreviewZoom, PercentagesStayWithin10And500) {
    EXPECT_EQ(ClampZoom(5), 10);
    EXPECT_EQ(ClampZoom(150), 150);
    EXPECT_EQ(ClampZoom(900), 500);
    EXPECT_DOUBLE_EQ(PreviewScale(ZoomState::kPercent, 25, kPage, QSize(345, 393)), 0.25);
    EXPECT_DOUBLE_EQ(PreviewScale(ZoomState::kPercent, 1000, kPage, QSize(345, 393)), 5.0);
}

TEST(PreviewZoom, FitStatesFitThePageIntoTheViewLessItsGap) {
    const QSize view(345 + 2 * kPageGap, 393 + 2 * kPageGap);
    struct Case {
        ZoomState state;
        double scale;
    } cases[] = {
        {ZoomState::kPageWidth, 345.0 / 794},
        {ZoomState::kPageHeight, 393.0 / 1123},
        {ZoomState::kWholePage, 393.0 / 1123},  // the height is the tighter fit here
    };
    for (const Case& c : cases) EXPECT_DOUBLE_EQ(PreviewScale(c.state, 100, kPage, view), c.scale);
    // A view too small for 10 % still shows the page at 10 %.
    EXPECT_DOUBLE_EQ(PreviewScale(ZoomState::kWholePage, 100, kPage, QSize(20, 20)), 0.1);
}

TEST(PreviewZoom, StepsMoveEvenFromTheSmallestZoomAndStopAtTheLimits) {
    EXPECT_EQ(StepZoom(1.0, 1), 110);
    EXPECT_EQ(StepZoom(1.0, -1), 91);
    EXPECT_EQ(StepZoom(0.1, 1), 11);
    EXPECT_EQ(StepZoom(0.1, -1), 10);
    EXPECT_EQ(StepZoom(5.0, 1), 500);
}

}  // namespace
}  // namespace circumvia::dialogs
