#include "scene/material_library.h"

#include <utility>

#include "scene/change_log.h"

namespace circumvia::scene {

void TMaterialLibrary::Add(TMaterial material) {
    if (TMaterial* existing = FindMutable(material.name)) {
        *existing = std::move(material);
    } else {
        materials_.push_back(std::make_unique<TMaterial>(std::move(material)));
    }
    Changed();
}

const TMaterial* TMaterialLibrary::Find(std::string_view name) const {
    for (const auto& material : materials_) {
        if (material->name == name) return material.get();
    }
    return nullptr;
}

TMaterial* TMaterialLibrary::FindMutable(std::string_view name) {
    return const_cast<TMaterial*>(std::as_const(*this).Find(name));
}

bool TMaterialLibrary::Update(std::string_view name,
                              const std::function<void(TMaterial&)>& change) {
    TMaterial* material = FindMutable(name);
    if (material == nullptr) return false;
    change(*material);
    Changed();
    return true;
}

void TMaterialLibrary::SetTexturesEnabled(bool enabled) {
    for (auto& material : materials_) material->texture.enabled = enabled;
    Changed();
}

void TMaterialLibrary::Changed() {
    if (log_ != nullptr) log_->Touch();
}

}  // namespace circumvia::scene
