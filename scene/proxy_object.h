#pragma once
// Draws another object (its master) inside its own frame: the master's geometry,
// material, own local frame and children. The master is drawn this way even while it is
// hidden, and picking reports the proxy, not the master.

#include "scene/object_visitor.h"
#include "scene/scene_object.h"

namespace circumvia::scene {

class TProxyObject : public TSceneObject {
public:
    const TSceneObject* Master() const { return master_; }
    void SetMaster(const TSceneObject* master) { Assign(master_, master); }
    void Accept(TObjectVisitor& visitor) const override { visitor.Visit(*this); }

private:
    const TSceneObject* master_ = nullptr;
};

}  // namespace circumvia::scene
