#pragma once
// An RGBA colour, components 0..1, as OpenGL takes it.

namespace circumvia::scene {

struct Color {
    float r = 0;
    float g = 0;
    float b = 0;
    float a = 1;

    friend bool operator==(const Color&, const Color&) = default;
};

}  // namespace circumvia::scene
