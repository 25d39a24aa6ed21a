#include "scene/picking.h"

#include <algorithm>
#include <optional>

#include "scene/draw_list.h"
#include "scene/scene_object.h"

namespace circumvia::scene {
namespace {

constexpr int kNearestCapacity = 64;

}  // namespace

std::vector<PickHit> PickObjects(TSceneObject& root, const TView& view, PixelRect rect,
                                 int capacity) {
    std::vector<Ray> rays;
    for (int y = rect.top; y <= rect.bottom; ++y) {
        for (int x = rect.left; x <= rect.right; ++x) rays.push_back(view.PixelRay(x, y));
    }
    const double near = view.Projection().near;
    const double far = view.Projection().far;

    std::vector<PickHit> hits;
    for (const DrawItem& item : CollectDrawItems(root)) {
        const Mat4 to_local = item.frame.Inverse();
        std::optional<double> nearest;
        for (const Ray& ray : rays) {
            const Ray local{to_local.TransformPoint(ray.origin),
                            to_local.TransformVector(ray.direction)};
            const auto t = item.object->IntersectLocal(local);
            if (!t) continue;
            const double depth = view.EyeDepth(ray.At(*t));
            if (depth < near || depth > far) continue;
            if (!nearest || depth < *nearest) nearest = depth;
        }
        if (!nearest) continue;
        // The tree is reached through a non-const root, so its objects may be handed out.
        auto* reported = const_cast<TSceneObject*>(item.pick_as);
        const auto same = [reported](const PickHit& hit) { return hit.object == reported; };
        if (auto it = std::find_if(hits.begin(), hits.end(), same); it != hits.end()) {
            it->depth = std::min(it->depth, *nearest);
        } else {
            hits.push_back({reported, *nearest});
        }
    }
    std::stable_sort(hits.begin(), hits.end(),
                     [](const PickHit& a, const PickHit& b) { return a.depth < b.depth; });
    if (static_cast<int>(hits.size()) > capacity) hits.resize(std::max(capacity, 0));
    return hits;
}

TSceneObject* PickNearest(TSceneObject& root, const TView& view, int x, int y) {
    const auto hits = PickObjects(root, view, {x - 1, y - 1, x + 1, y + 1}, kNearestCapacity);
    return hits.empty() ? nullptr : hits.front().object;
}

}  // namespace circumvia::scene
