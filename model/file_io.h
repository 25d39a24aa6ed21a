#pragma once
// Whole-file reading with a size limit, and replacing a file's contents so that a
// failure at any point leaves the old file as it was.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <system_error>
#include <vector>

namespace circumvia {

enum class ReadStatus {
    kOk,
    kCannotOpen,  // missing, not permitted, ...
    kReadFailed,  // opened, but reading failed (an I/O error)
    kTooLarge,    // more than the limit; nothing is kept
    kNotRegular,  // a folder, a pipe, a device: refused before reading anything
};

struct FileContents {
    ReadStatus status = ReadStatus::kCannotOpen;
    std::vector<std::uint8_t> bytes;
};

// Reads at most `max_bytes` of a regular file; a longer file is refused after
// max_bytes + 1 bytes, so memory stays bounded by the limit. Anything that is not a
// regular file (a pipe would wait for a writer forever) is refused at once.
FileContents ReadWholeFile(const std::filesystem::path& path, std::size_t max_bytes);

// The outcome of a write: true when it succeeded, else `error` holds the system's reason
// (error.message() is fit to show the user).
struct WriteResult {
    std::error_code error;
    explicit operator bool() const { return !error; }
};

// Writes `bytes` to a new file in the same folder as `target`, forces it to disk and
// renames it over `target` in one step. On failure the temporary file is removed and
// `target`, if it existed, is untouched. Refused, before anything is written:
// - a target that is not a regular file (a folder, a device);
// - a write-protected target: one the user may not write, or one with no write
//   permission bit at all (so even the superuser keeps a protected file);
// - a target whose folder does not exist.
// A replaced file keeps its permission bits. Symbolic links are followed, also dangling
// ones, so the file a link names is written and the link stays a link. A file-size limit
// makes the write fail instead of killing the process.
WriteResult ReplaceFileContents(const std::filesystem::path& target,
                                std::span<const std::uint8_t> bytes);

}  // namespace circumvia
