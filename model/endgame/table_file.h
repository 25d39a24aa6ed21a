#pragma once
// One material's values on disk: a header (what it holds, its counts, a checksum of the
// values), then one or two bytes per slot. Read by mapping the file into memory, checked
// once when opened; a file that is short, of another material or whose checksum fails is
// refused.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <system_error>

#include "model/endgame/endgame_value.h"
#include "model/endgame/material_index.h"

namespace circumvia::endgame {

// Distinct positions (every image counted) of each result.
struct ResultCounts {
    std::uint64_t wins = 0;
    std::uint64_t draws = 0;
    std::uint64_t losses = 0;
    int longest = 0;  // the most moves of any win or loss
};

std::string MaterialFileName(Material material);

std::error_code WriteMaterialFile(const std::filesystem::path& file, Material material,
                                  std::span<const Distance> values, const ResultCounts& counts);

class MappedMaterial {
public:
    ~MappedMaterial();
    MappedMaterial(const MappedMaterial&) = delete;
    MappedMaterial& operator=(const MappedMaterial&) = delete;

    // The file's table of `material`, or nothing with the reason in `why`.
    static std::unique_ptr<MappedMaterial> Open(const std::filesystem::path& file,
                                                Material material, std::string& why);

    Distance At(Slot slot) const;
    Slot SlotCount() const { return slots_; }
    const ResultCounts& Counts() const { return counts_; }

private:
    MappedMaterial() = default;
    void* mapping_ = nullptr;
    std::size_t mapped_size_ = 0;
    const std::uint8_t* values_ = nullptr;
    int width_ = 1;
    Slot slots_ = 0;
    ResultCounts counts_;
};

}  // namespace circumvia::endgame
