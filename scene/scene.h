#pragma once
// A scene: the tree of objects under an invisible root, the material library, and the
// change log that tells the frame clock when something must be redrawn.

#include <cstdint>
#include <functional>
#include <memory>
#include <string_view>

#include "scene/change_log.h"
#include "scene/dummy_cube.h"
#include "scene/material_library.h"

namespace circumvia::scene {

class TScene {
public:
    TScene();
    TScene(const TScene&) = delete;
    TScene& operator=(const TScene&) = delete;

    TSceneObject& Root() { return *root_; }
    const TSceneObject& Root() const { return *root_; }
    TMaterialLibrary& Materials() { return materials_; }
    const TMaterialLibrary& Materials() const { return materials_; }

    // The first object of that name, depth-first; null when there is none.
    TSceneObject* FindObject(std::string_view name);

    // One clock step: every object's movement at `time`, then its progress handler.
    void Advance(double time, double dt);
    // Stops every travelling path in the tree. A stopped path reports its end and may
    // start another path (its movement's next one, or one its handler starts); those
    // are stopped too, so that nothing travels when this returns.
    void StopAllMovements();
    // Runs every travelling path to its end at once: each object lands on its path's last
    // node and the end is reported as for a path that ran its course, so paths started by
    // those ends (a next path, a handler's) are finished too. The same bound as for
    // stopping keeps a handler that loops forever from holding it.
    void FinishAllMovements();
    bool AnythingTravelling() const;

    // Grows with every change that must show on screen.
    std::uint64_t Revision() const { return log_.Revision(); }
    // Called at every such change.
    void SetChangeListener(std::function<void()> listener);

private:
    TChangeLog log_;  // declared first: the objects report to it until they are gone
    TMaterialLibrary materials_;
    std::unique_ptr<TDummyCube> root_;
};

}  // namespace circumvia::scene
