#include "scene/scene_object.h"

#include "scene/angles.h"
#include "scene/change_log.h"
#include "scene/movement.h"

namespace circumvia::scene {

TSceneObject::TSceneObject() = default;
TSceneObject::~TSceneObject() = default;

void TSceneObject::Adopt(std::unique_ptr<TSceneObject> child) {
    child->parent_ = this;
    child->AttachLog(log_);
    children_.push_back(std::move(child));
    MarkChanged();
}

void TSceneObject::AttachLog(TChangeLog* log) {
    log_ = log;
    for (auto& child : children_) child->AttachLog(log);
}

TSceneObject* TSceneObject::FindObject(std::string_view name) {
    if (name_ == name) return this;
    for (auto& child : children_) {
        if (TSceneObject* found = child->FindObject(name)) return found;
    }
    return nullptr;
}

void TSceneObject::VisitTree(const std::function<void(TSceneObject&)>& visit) {
    visit(*this);
    // By index: a visitor may add children (they are visited too).
    for (std::size_t i = 0; i < children_.size(); ++i) children_[i]->VisitTree(visit);
}

// A change counts: a progress handler may act on it (the board's target turn angle).
void TSceneObject::SetTagFloat(float value) {
    Assign(tag_float_, value);
}

void TSceneObject::Rotate(Vec3 axis, double degrees) {
    direction_ = RotateAbout(direction_, axis, degrees);
    up_ = RotateAbout(up_, axis, degrees);
    MarkChanged();
}

void TSceneObject::SetPitchAngle(double degrees) {
    if (degrees == pitch_) return;
    Rotate(Cross(direction_, up_), degrees - pitch_);
    pitch_ = NormalizeAngle(degrees);
}

void TSceneObject::SetTurnAngle(double degrees) {
    if (degrees == turn_) return;
    Rotate(up_, degrees - turn_);
    turn_ = NormalizeAngle(degrees);
}

void TSceneObject::SetRollAngle(double degrees) {
    if (degrees == roll_) return;
    Rotate(direction_, degrees - roll_);
    roll_ = NormalizeAngle(degrees);
}

Mat4 TSceneObject::LocalMatrix() const {
    return Mat4::FromAxes(Cross(up_, direction_) * scale_.x, up_ * scale_.y, direction_ * scale_.z,
                          position_);
}

Mat4 TSceneObject::AbsoluteMatrix() const {
    return parent_ != nullptr ? parent_->AbsoluteMatrix() * LocalMatrix() : LocalMatrix();
}

Vec3 TSceneObject::AbsolutePosition() const {
    return parent_ != nullptr ? parent_->AbsoluteMatrix().TransformPoint(position_) : position_;
}

void TSceneObject::SetMaterialName(std::string name) {
    Assign(material_name_, name);
}

void TSceneObject::SetFrontDiffuse(Color color) {
    Assign(own_material_.front.diffuse, color);
}

void TSceneObject::SetOwnMaterial(TMaterial material) {
    own_material_ = std::move(material);
    MarkChanged();
}

TMovement& TSceneObject::GetOrCreateMovement() {
    if (!movement_) movement_ = std::make_unique<TMovement>(*this);
    return *movement_;
}

void TSceneObject::Advance(double time, double dt) {
    if (movement_) movement_->Advance(time);
    if (progress_) progress_(dt);
}

void TSceneObject::MarkChanged() {
    if (log_ != nullptr) log_->Touch();
}

}  // namespace circumvia::scene
