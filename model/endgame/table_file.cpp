#include "model/endgame/table_file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <vector>

#include "model/file_io.h"

namespace circumvia::endgame {

namespace {

constexpr std::array<std::uint8_t, 8> kMagic = {'C', 'V', 'E', 'N', 'D', 'G', '0', '1'};
// Magic, material (2), width, 5 spare, slots, wins, draws, losses, longest, checksum.
constexpr std::size_t kHeaderSize = 8 + 8 + 8 * 6;

std::uint64_t Checksum(std::span<const std::uint8_t> bytes) {
    // FNV-1a, 64 bits: any changed byte changes it.
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (std::uint8_t byte : bytes) hash = (hash ^ byte) * 0x100000001b3ull;
    return hash;
}

void PutWord(std::vector<std::uint8_t>& out, std::uint64_t word) {
    for (int i = 0; i < 8; ++i) out.push_back(static_cast<std::uint8_t>(word >> (8 * i)));
}

std::uint64_t WordAt(const std::uint8_t* bytes) {
    std::uint64_t word = 0;
    for (int i = 7; i >= 0; --i) word = (word << 8) | bytes[i];
    return word;
}

std::vector<std::uint8_t> PackValues(std::span<const Distance> values, int width) {
    std::vector<std::uint8_t> packed;
    packed.reserve(values.size() * static_cast<std::size_t>(width));
    for (Distance value : values) {
        packed.push_back(static_cast<std::uint8_t>(value));
        if (width == 2) packed.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    return packed;
}

}  // namespace

std::string MaterialFileName(Material material) {
    return "circumvia-" + std::to_string(material.own) + "-" + std::to_string(material.other) +
           ".egt";
}

std::error_code WriteMaterialFile(const std::filesystem::path& file, Material material,
                                  std::span<const Distance> values, const ResultCounts& counts) {
    const int width = counts.longest > 0xff ? 2 : 1;
    const std::vector<std::uint8_t> packed = PackValues(values, width);
    std::vector<std::uint8_t> header(kMagic.begin(), kMagic.end());
    header.push_back(static_cast<std::uint8_t>(material.own));
    header.push_back(static_cast<std::uint8_t>(material.other));
    header.push_back(static_cast<std::uint8_t>(width));
    header.resize(16, 0);
    for (std::uint64_t word : {std::uint64_t{values.size()}, counts.wins, counts.draws,
                               counts.losses, std::uint64_t(counts.longest), Checksum(packed)}) {
        PutWord(header, word);
    }
    FileReplacement replacement(file);
    if (auto error = replacement.Begin()) return error;
    if (auto error = replacement.Write(header)) return error;
    if (auto error = replacement.Write(packed)) return error;
    return replacement.Commit();
}

MappedMaterial::~MappedMaterial() {
    if (mapping_) munmap(mapping_, mapped_size_);
}

std::unique_ptr<MappedMaterial> MappedMaterial::Open(const std::filesystem::path& file,
                                                     Material material, std::string& why) {
    const int descriptor = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        why = "missing";
        return nullptr;
    }
    struct stat status {};
    const bool regular = fstat(descriptor, &status) == 0 && S_ISREG(status.st_mode);
    const auto size = regular ? static_cast<std::size_t>(status.st_size) : 0;
    void* mapping = size >= kHeaderSize ? mmap(nullptr, size, PROT_READ, MAP_PRIVATE, descriptor, 0)
                                        : MAP_FAILED;
    ::close(descriptor);
    if (mapping == MAP_FAILED) {
        why = "too short or unreadable";
        return nullptr;
    }
    std::unique_ptr<MappedMaterial> table(new MappedMaterial);
    table->mapping_ = mapping;
    table->mapped_size_ = size;
    const auto* bytes = static_cast<const std::uint8_t*>(mapping);
    table->width_ = bytes[10];
    table->slots_ = WordAt(bytes + 16);
    table->counts_ = {WordAt(bytes + 24), WordAt(bytes + 32), WordAt(bytes + 40),
                      static_cast<int>(WordAt(bytes + 48))};
    const std::uint64_t checksum = WordAt(bytes + 56);
    table->values_ = bytes + kHeaderSize;
    const bool header_sound = std::memcmp(bytes, kMagic.data(), kMagic.size()) == 0 &&
                              bytes[8] == material.own && bytes[9] == material.other &&
                              (table->width_ == 1 || table->width_ == 2) &&
                              table->slots_ == MaterialIndex(material).SlotCount();
    if (!header_sound || size != kHeaderSize + table->slots_ * table->width_) {
        why = "not a table of this material, or cut short";
        return nullptr;
    }
    if (Checksum({table->values_, size - kHeaderSize}) != checksum) {
        why = "damaged (checksum)";
        return nullptr;
    }
    return table;
}

Distance MappedMaterial::At(Slot slot) const {
    if (width_ == 1) return values_[slot];
    return static_cast<Distance>(values_[2 * slot] | (values_[2 * slot + 1] << 8));
}

}  // namespace circumvia::endgame
