#include "scene/render_quality.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace circumvia::scene {

bool IsSoftwareRenderer(std::string_view renderer) {
    std::string lower(renderer);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const std::string_view name :
         {"llvmpipe", "softpipe", "swrast", "software rasterizer", "gdi generic"}) {
        if (lower.find(name) != std::string::npos) return true;
    }
    return false;
}

RenderQuality ChooseRenderQuality(bool software, int pixel_width, int pixel_height) {
    const long pixels = static_cast<long>(std::max(pixel_width, 0)) * std::max(pixel_height, 0);
    if (!software || pixels <= kSoftwareFullQualityPixels) return kFullQuality;
    return kSoftwareLargeQuality;
}

}  // namespace circumvia::scene
