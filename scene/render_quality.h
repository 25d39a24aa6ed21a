#pragma once
// How finely the viewport draws. On a graphics card every frame gets 4-sample
// anti-aliasing and trilinear texture filtering. A software renderer pays for each pixel
// with the processor: it keeps that quality up to about the window's designed size, and
// beyond it drops the multisampling (its buffers cost more than the whole scene) and the
// mipmaps, so that a large window still animates smoothly. Plain C++: the renderer's name is handed
// in.

#include <string_view>

namespace circumvia::scene {

// Trilinear: linear between the two nearest mipmap levels. Bilinear: linear within the
// full picture, mipmaps unused; the same picture wherever a texture is magnified, which
// at such sizes is nearly everywhere (the wood pictures are small), and a software
// renderer then skips the level of detail of every pixel.
enum class TextureFiltering { kTrilinear, kBilinear };

struct RenderQuality {
    int samples = 4;  // 0: no multisampling
    TextureFiltering filtering = TextureFiltering::kTrilinear;

    friend bool operator==(const RenderQuality&, const RenderQuality&) = default;
};

inline constexpr RenderQuality kFullQuality{4, TextureFiltering::kTrilinear};
inline constexpr RenderQuality kSoftwareLargeQuality{0, TextureFiltering::kBilinear};

// Viewports of up to this many pixels keep full quality on a software renderer: the
// designed 668 x 478 window and a little more.
inline constexpr long kSoftwareFullQualityPixels = 800L * 600;

// Whether the OpenGL renderer string (GL_RENDERER) names a rasteriser that runs on the
// processor: Mesa's llvmpipe, softpipe and swrast, or Windows' generic one.
bool IsSoftwareRenderer(std::string_view renderer);

// The quality for a viewport of pixel_width x pixel_height device pixels.
RenderQuality ChooseRenderQuality(bool software, int pixel_width, int pixel_height);

}  // namespace circumvia::scene
