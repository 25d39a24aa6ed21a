#pragma once
// Whole-file reading with a size limit, and replacing a file's contents so that a
// failure at any point leaves the old file as it was.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
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

// A file's new contents, written piece by piece to an unnamed file in the target's folder
// and put in the target's place in one step by Commit(). Until then the target is as it
// was; a replacement dropped uncommitted (a failure, a cancel) leaves nothing behind, and
// so does an interrupted process, as no name exists until the last moment. Refused in
// Begin(), before anything is written:
// - a target that is not a regular file (a folder, a pipe, a device);
// - a write-protected target: one the user may not write, or one with no write
//   permission bit at all (so even the superuser keeps a protected file);
// - a target whose folder does not exist.
// A replaced file keeps its permission bits (and its owner, where allowed). Symbolic
// links are followed, also dangling ones, so the file a link names is written and the
// link stays a link. A file-size limit makes a write fail instead of killing the process.
class FileReplacement {
public:
    explicit FileReplacement(const std::filesystem::path& target);
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    std::error_code Begin();
    // Every byte or an error; after an error, further writes fail with it too.
    std::error_code Write(std::span<const std::uint8_t> bytes);
    // Forces the contents to disk, checks the close and renames over the target.
    std::error_code Commit();

private:
    struct Pending;
    std::filesystem::path target_;
    std::unique_ptr<Pending> pending_;
    std::error_code error_;
};

// The whole replacement in one call: Begin, Write, Commit.
WriteResult ReplaceFileContents(const std::filesystem::path& target,
                                std::span<const std::uint8_t> bytes);

}  // namespace circumvia
