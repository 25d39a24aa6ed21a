#include "scene/draw_list.h"

#include "scene/light_source.h"
#include "scene/proxy_object.h"

namespace circumvia::scene {
namespace {

// Proxies of proxies are allowed; a proxy that (indirectly) draws itself is cut off.
constexpr int kMaxProxyNesting = 8;

void Collect(const TSceneObject& object, const Mat4& parent_frame, const TSceneObject* proxy,
             int nesting, std::vector<DrawItem>& items) {
    const Mat4 frame = parent_frame * object.LocalMatrix();
    const auto* as_proxy = dynamic_cast<const TProxyObject*>(&object);
    if (as_proxy == nullptr) {
        items.push_back({&object, frame, proxy != nullptr ? proxy : &object});
    } else if (as_proxy->Master() != nullptr && nesting < kMaxProxyNesting) {
        Collect(*as_proxy->Master(), frame, proxy != nullptr ? proxy : as_proxy, nesting + 1,
                items);
    }
    for (const auto& child : object.Children()) {
        if (child->Visible()) Collect(*child, frame, proxy, nesting, items);
    }
}

void CollectLightsUnder(const TSceneObject& object, const Mat4& parent_frame,
                        std::vector<LightItem>& lights) {
    const Mat4 frame = parent_frame * object.LocalMatrix();
    if (const auto* light = dynamic_cast<const TLightSource*>(&object)) {
        lights.push_back({light, frame});
    }
    for (const auto& child : object.Children()) CollectLightsUnder(*child, frame, lights);
}

}  // namespace

std::vector<DrawItem> CollectDrawItems(const TSceneObject& root) {
    std::vector<DrawItem> items;
    if (root.Visible()) Collect(root, Mat4(), nullptr, 0, items);
    return items;
}

std::vector<LightItem> CollectLights(const TSceneObject& root) {
    std::vector<LightItem> lights;
    CollectLightsUnder(root, Mat4(), lights);
    return lights;
}

}  // namespace circumvia::scene
