#pragma once
// The materials of a scene, found by name. Objects refer to a material by its name.

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "scene/material.h"

namespace circumvia::scene {

class TChangeLog;

class TMaterialLibrary {
public:
    explicit TMaterialLibrary(TChangeLog* log = nullptr) : log_(log) {}

    // Adds a material, or replaces the one of the same name.
    void Add(TMaterial material);
    const TMaterial* Find(std::string_view name) const;
    // Changes a material in place; false when there is none of that name.
    bool Update(std::string_view name, const std::function<void(TMaterial&)>& change);
    // The texture switch of the options menu: every material's texture-enabled flag.
    void SetTexturesEnabled(bool enabled);

    int Count() const { return static_cast<int>(materials_.size()); }
    const TMaterial& At(int index) const { return *materials_[index]; }

private:
    TMaterial* FindMutable(std::string_view name);
    void Changed();

    TChangeLog* log_;
    std::vector<std::unique_ptr<TMaterial>> materials_;
};

}  // namespace circumvia::scene
