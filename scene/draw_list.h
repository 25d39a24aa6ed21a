#pragma once
// The scene tree flattened into what is drawn, in drawing order: every visible object
// with its absolute frame, depth-first, each object before its children. A proxy
// contributes its master (and the master's visible children) in the proxy's frame, even
// when the master itself is hidden; picking reports the proxy for them. The renderer and
// the picker both walk this list, so they agree on what is where.

#include <vector>

#include "scene/matrix4.h"

namespace circumvia::scene {

class TSceneObject;
class TLightSource;

struct DrawItem {
    const TSceneObject* object;   // whose geometry and material are drawn
    Mat4 frame;                   // its frame in world coordinates
    const TSceneObject* pick_as;  // the object picking reports: itself or its proxy
};

std::vector<DrawItem> CollectDrawItems(const TSceneObject& root);

struct LightItem {
    const TLightSource* light;
    Mat4 frame;
};

// Every light of the tree with its world frame, whether or not it is visible.
std::vector<LightItem> CollectLights(const TSceneObject& root);

}  // namespace circumvia::scene
