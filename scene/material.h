#pragma once
// A named material: lit colours of front and back faces, blending and an optional
// picture. Textures are always drawn in decal mode (the picture's colours replace the lit
// colour), magnified linearly, minified with linear mipmap interpolation, and repeated.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "scene/color.h"

namespace circumvia::scene {

struct TFaceProperties {
    Color ambient{0.2f, 0.2f, 0.2f, 1};
    Color diffuse{0.8f, 0.8f, 0.8f, 1};
    Color emission{0, 0, 0, 1};
    Color specular{0, 0, 0, 1};
    float shininess = 0;
};

enum class BlendingMode { kOpaque, kTranslucent };

// RGBA bytes, top row first.
struct TPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

struct TTexture {
    std::shared_ptr<const TPicture> picture;
    bool enabled = false;
};

struct TMaterial {
    std::string name;
    TFaceProperties front;
    TFaceProperties back;
    BlendingMode blending = BlendingMode::kOpaque;
    TTexture texture;
};

}  // namespace circumvia::scene
