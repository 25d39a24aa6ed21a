#pragma once
// The base of every scene object: a node of the scene tree with a name, an integer and a
// float slot for the program's use, visibility, placement (position, direction and up
// vectors, scale, incremental pitch/turn/roll setters), a material, an optional movement
// and an optional progress handler. It knows nothing of OpenGL; the renderer and the
// picker walk the tree from outside.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scene/material.h"
#include "scene/matrix4.h"
#include "scene/ray.h"
#include "scene/vector3.h"

namespace circumvia::scene {

class TChangeLog;
class TMovement;
class TObjectVisitor;

class TSceneObject {
public:
    using ProgressHandler = std::function<void(double dt)>;

    TSceneObject();
    virtual ~TSceneObject();
    TSceneObject(const TSceneObject&) = delete;
    TSceneObject& operator=(const TSceneObject&) = delete;

    // Tree. A child added is owned by this object and drawn after the earlier ones.
    template <typename T>
    T& AddChild(std::unique_ptr<T> child) {
        T& added = *child;
        Adopt(std::move(child));
        return added;
    }
    template <typename T>
    T& Add(std::string name = {}) {
        auto child = std::make_unique<T>();
        child->SetName(std::move(name));
        return AddChild(std::move(child));
    }
    TSceneObject* Parent() const { return parent_; }
    const std::vector<std::unique_ptr<TSceneObject>>& Children() const { return children_; }
    // This object or the first descendant of that name, depth-first.
    TSceneObject* FindObject(std::string_view name);
    // Calls `visit` for this object, then for every descendant, depth-first.
    void VisitTree(const std::function<void(TSceneObject&)>& visit);

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }
    float TagFloat() const { return tag_float_; }
    void SetTagFloat(float value);
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Assign(visible_, visible); }

    Vec3 Position() const { return position_; }
    void SetPosition(Vec3 position) { Assign(position_, position); }
    void SetX(double x) { SetPosition({x, position_.y, position_.z}); }
    void SetY(double y) { SetPosition({position_.x, y, position_.z}); }
    void SetZ(double z) { SetPosition({position_.x, position_.y, z}); }
    Vec3 Direction() const { return direction_; }
    // Setting the vectors directly leaves the stored angles alone.
    void SetDirection(Vec3 direction) { Assign(direction_, direction); }
    Vec3 Up() const { return up_; }
    void SetUp(Vec3 up) { Assign(up_, up); }
    Vec3 Scale() const { return scale_; }
    void SetScale(Vec3 scale) { Assign(scale_, scale); }

    // Setting an angle v over the stored a turns the object by v - a about its own axis
    // (pitch: direction x up, turn: up, roll: direction) and stores v within -180..180.
    double PitchAngle() const { return pitch_; }
    double TurnAngle() const { return turn_; }
    double RollAngle() const { return roll_; }
    void SetPitchAngle(double degrees);
    void SetTurnAngle(double degrees);
    void SetRollAngle(double degrees);

    // The object's frame in its parent's: X = up x direction, Y = up, Z = direction,
    // each times the scale, origin at the position.
    Mat4 LocalMatrix() const;
    Mat4 AbsoluteMatrix() const;
    Vec3 AbsolutePosition() const;

    // Without a library material name the object's own material is used; it starts with
    // the defaults and its front diffuse colour can be set.
    const std::string& MaterialName() const { return material_name_; }
    void SetMaterialName(std::string name);
    const TMaterial& OwnMaterial() const { return own_material_; }
    void SetFrontDiffuse(Color color);
    // A whole material of the object's own, out of the library's reach (its texture stays
    // whatever the library's textures do).
    void SetOwnMaterial(TMaterial material);

    TMovement* Movement() const { return movement_.get(); }
    TMovement& GetOrCreateMovement();
    void SetProgressHandler(ProgressHandler handler) { progress_ = std::move(handler); }
    // One clock step for this object alone: its movement at `time`, then its handler.
    void Advance(double time, double dt);

    // Reports a change that must show on screen.
    void MarkChanged();

    virtual void Accept(TObjectVisitor& visitor) const = 0;
    // The nearest front surface hit by a ray given in this object's own frame, as the
    // ray's parameter; none for objects without a surface.
    virtual std::optional<double> IntersectLocal(const Ray&) const { return std::nullopt; }

protected:
    // Sets a property and reports the change when the value differs.
    template <typename T>
    void Assign(T& field, const T& value) {
        if (field == value) return;
        field = value;
        MarkChanged();
    }

private:
    friend class TScene;  // attaches the root to the scene's change log

    void Adopt(std::unique_ptr<TSceneObject> child);
    void AttachLog(TChangeLog* log);
    void Rotate(Vec3 axis, double degrees);

    TSceneObject* parent_ = nullptr;
    TChangeLog* log_ = nullptr;
    std::vector<std::unique_ptr<TSceneObject>> children_;
    std::string name_;
    int tag_ = 0;
    float tag_float_ = 0;
    bool visible_ = true;
    Vec3 position_;
    Vec3 direction_{0, 0, 1};
    Vec3 up_{0, 1, 0};
    Vec3 scale_{1, 1, 1};
    double pitch_ = 0;
    double turn_ = 0;
    double roll_ = 0;
    std::string material_name_;
    TMaterial own_material_;
    std::unique_ptr<TMovement> movement_;
    ProgressHandler progress_;
};

}  // namespace circumvia::scene
