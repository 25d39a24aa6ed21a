#pragma once
// What the marks laid over the board share (the keyboard cursor's rings and coordinates, the
// lessons' rings, a capture's route): a material lit from within, so the mark shows in its
// own colour whatever the light and the wood, and the direction of a disk lying flat on it.

#include "scene/material.h"
#include "scene/vector3.h"

namespace circumvia::control {

inline scene::TMaterial GlowingMaterial(const char* name, scene::Color colour) {
    scene::TMaterial material;
    material.name = name;
    material.front.ambient = {0, 0, 0, 1};
    material.front.diffuse = {0, 0, 0, 1};
    material.front.emission = colour;
    return material;
}

// A disk facing up from the board, its own "up" towards the far edge.
inline constexpr scene::Vec3 kFacingUpDirection{0, 1, 0};
inline constexpr scene::Vec3 kFacingUpUp{0, 0, -1};

}  // namespace circumvia::control
