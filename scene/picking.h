#pragma once
// Picking by casting rays through the pixel centres of a rectangle and testing them
// against the geometry of every drawn object (see draw_list.h). An object's depth is
// the nearest of its hits, measured along the view axis; lights, cameras and groups have
// no surface and are never hit.

#include <vector>

#include "scene/projection.h"

namespace circumvia::scene {

class TSceneObject;

struct PickHit {
    TSceneObject* object;
    double depth;
};

// Pixel rectangle, both corners included.
struct PixelRect {
    int left;
    int top;
    int right;
    int bottom;
};

// The objects hit in the rectangle, nearest first, at most `capacity` of them.
std::vector<PickHit> PickObjects(TSceneObject& root, const TView& view, PixelRect rect,
                                 int capacity);

// The nearest object in the 3 x 3 pixel square around (x, y), among up to 64 hits;
// null over empty background.
TSceneObject* PickNearest(TSceneObject& root, const TView& view, int x, int y);

}  // namespace circumvia::scene
