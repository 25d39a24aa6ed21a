#pragma once
// Whole-file reading with a size limit, and replacing a file's contents so that a
// failure at any point leaves the old file as it was.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

namespace circumvia {

enum class ReadStatus {
    kOk,
    kCannotOpen,  // missing, not permitted, ...
    kReadFailed,  // opened, but reading failed (a folder, an I/O error)
    kTooLarge,    // more than the limit; nothing is kept
};

struct FileContents {
    ReadStatus status = ReadStatus::kCannotOpen;
    std::vector<std::uint8_t> bytes;
};

// Reads at most `max_bytes`; a longer file (or an endless device) is refused after
// max_bytes + 1 bytes, so memory stays bounded by the limit.
FileContents ReadWholeFile(const std::filesystem::path& path, std::size_t max_bytes);

// Writes `bytes` to a new file in the same folder as `target`, forces it to disk and
// renames it over `target` in one step. On failure the temporary file is removed and
// `target`, if it existed, is untouched. A replaced file keeps its permission bits;
// a symbolic link is followed, so the file it names is replaced, not the link.
bool ReplaceFileContents(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);

}  // namespace circumvia
