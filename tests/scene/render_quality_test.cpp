#include <gtest/gtest.h>

#include <string_view>

#include "scene/render_quality.h"

namespace circumvia::scene {
namespace {

TEST(RenderQuality, SoftwareRenderersAreToldFromTheirNames) {
    const struct {
        std::string_view renderer;
        bool software;
    } cases[] = {
        {"llvmpipe (LLVM 15.0.6, 256 bits)", true},
        {"softpipe", true},
        {"Software Rasterizer", true},
        {"Mesa X11 swrast", true},
        {"GDI Generic", true},
        {"Mesa Intel(R) UHD Graphics 620 (KBL GT2)", false},
        {"NVIDIA GeForce GTX 1060 6GB/PCIe/SSE2", false},
        {"AMD Radeon RX 580 Series (polaris10, LLVM 15.0.6, DRM 3.49, 6.1.0-9-amd64)", false},
        {"", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsSoftwareRenderer(c.renderer), c.software) << c.renderer;
}

TEST(RenderQuality, FullQualityOnHardwareAndUpToTheBudgetInSoftware) {
    const struct {
        bool software;
        int width;
        int height;
        RenderQuality expected;
    } cases[] = {
        {false, 668, 478, kFullQuality},
        {false, 1920, 1080, kFullQuality},
        {false, 3840, 2160, kFullQuality},
        {true, 668, 478, kFullQuality},  // the designed window
        {true, 660, 380, kFullQuality},  // its viewport
        {true, 800, 600, kFullQuality},  // the budget itself
        {true, 801, 600, kSoftwareLargeQuality},
        {true, 1280, 960, kSoftwareLargeQuality},
        {true, 1920, 1080, kSoftwareLargeQuality},
        {true, 0, 0, kFullQuality},  // not shown yet
        {true, -5, 100000, kFullQuality},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseRenderQuality(c.software, c.width, c.height), c.expected)
            << c.software << " " << c.width << "x" << c.height;
    }
}

}  // namespace
}  // namespace circumvia::scene
