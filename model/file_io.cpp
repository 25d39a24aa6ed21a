#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <random>
#include <string>

namespace circumvia {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;
constexpr int kTempNameAttempts = 100;
// As many links in a row as the kernel itself follows before giving up.
constexpr int kMaxLinkHops = 40;

std::error_code LastError() {
    return {errno, std::generic_category()};
}

std::error_code ErrorOf(std::errc code) {
    return std::make_error_code(code);
}

// Closes a descriptor when it goes out of scope.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }

private:
    int fd_;
};

// A file being written beside its destination. Until Commit() succeeds, destroying it
// closes and deletes it, so no failure leaves a stray file behind.
class PendingFile {
public:
    explicit PendingFile(const fs::path& destination) : destination_(destination) {}
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!committed_ && !path_.empty()) ::unlink(path_.c_str());
    }

    std::error_code Create();
    std::error_code Write(std::span<const std::uint8_t> bytes);
    void KeepPermissionsOf(const struct stat& existing) { ::fchmod(fd_, existing.st_mode & 07777); }
    std::error_code Commit();

private:
    fs::path destination_;
    fs::path path_;
    int fd_ = -1;
    bool committed_ = false;
};

std::error_code PendingFile::Create() {
    std::random_device entropy;
    std::minstd_rand generator(entropy());
    const fs::path folder = destination_.parent_path();
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        // Hidden and unique: ".<name>.<number>.tmp" beside the destination.
        std::string name(1, '.');
        name += destination_.filename().string();
        name += '.';
        name += std::to_string(generator() % 1000000);
        name += ".tmp";
        const fs::path candidate = folder / name;
        // 0666 lets the umask decide, as for any newly created file.
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            fd_ = fd;
            path_ = candidate;
            return {};
        }
        if (errno != EEXIST) return LastError();
    }
    return ErrorOf(std::errc::file_exists);
}

std::error_code PendingFile::Write(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return LastError();
        if (written == 0) return ErrorOf(std::errc::io_error);
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return {};
}

std::error_code PendingFile::Commit() {
    if (::fsync(fd_) != 0) return LastError();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return LastError();
    if (::rename(path_.c_str(), destination_.c_str()) != 0) return LastError();
    committed_ = true;
    return {};
}

// Makes the rename itself durable; a failure here loses nothing, so it is not reported.
void SyncFolder(const fs::path& folder) {
    const FileDescriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) ::fsync(fd.get());
}

// The path the file is finally written to: `target` with every symbolic link at its end
// followed, whether or not the last one names an existing file.
std::error_code FollowLinks(const fs::path& target, fs::path& destination) {
    destination = target.has_parent_path() ? target : fs::path(".") / target;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat link {};
        if (::lstat(destination.c_str(), &link) != 0) {
            return errno == ENOENT ? std::error_code() : LastError();
        }
        if (!S_ISLNK(link.st_mode)) return {};
        std::error_code error;
        const fs::path next = fs::read_symlink(destination, error);
        if (error) return error;
        destination = next.is_absolute() ? next : destination.parent_path() / next;
    }
    return ErrorOf(std::errc::too_many_symbolic_link_levels);
}

// Only a regular file the user may write is replaced. Write permission on the folder
// alone would let the rename replace anything, so the file's own bits are asked too.
std::error_code CheckReplaceable(const struct stat& existing, const fs::path& destination) {
    if (S_ISDIR(existing.st_mode)) return ErrorOf(std::errc::is_a_directory);
    if (!S_ISREG(existing.st_mode)) return ErrorOf(std::errc::invalid_argument);
    if (::access(destination.c_str(), W_OK) != 0) return LastError();
    if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        return ErrorOf(std::errc::permission_denied);
    }
    return {};
}

// Past a file-size limit the kernel sends SIGXFSZ, whose default action kills the
// process; ignored, the write fails with EFBIG and the save is refused like any other.
// A handler the program installed itself is left alone.
void IgnoreFileSizeSignal() {
    struct sigaction current {};
    if (::sigaction(SIGXFSZ, nullptr, &current) == 0 && current.sa_handler == SIG_DFL) {
        std::signal(SIGXFSZ, SIG_IGN);
    }
}

}  // namespace

FileContents ReadWholeFile(const fs::path& path, std::size_t max_bytes) {
    // Non-blocking, so that opening a pipe with no writer returns at once.
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) return {ReadStatus::kCannotOpen, {}};
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) return {ReadStatus::kReadFailed, {}};
    if (!S_ISREG(info.st_mode)) return {ReadStatus::kNotRegular, {}};
    if (static_cast<std::uintmax_t>(info.st_size) > max_bytes) return {ReadStatus::kTooLarge, {}};
    FileContents contents{ReadStatus::kOk, {}};
    std::vector<std::uint8_t> chunk(kReadChunk);
    for (;;) {
        const ssize_t got = ::read(fd.get(), chunk.data(), chunk.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return {ReadStatus::kReadFailed, {}};
        if (got == 0) return contents;
        // The file may have grown since fstat: the limit still holds.
        const auto count = static_cast<std::size_t>(got);
        if (contents.bytes.size() + count > max_bytes) return {ReadStatus::kTooLarge, {}};
        contents.bytes.insert(contents.bytes.end(), chunk.begin(), chunk.begin() + got);
    }
}

WriteResult ReplaceFileContents(const fs::path& target, std::span<const std::uint8_t> bytes) {
    fs::path destination;
    if (const std::error_code error = FollowLinks(target, destination)) return {error};
    struct stat existing {};
    const bool exists = ::stat(destination.c_str(), &existing) == 0;
    if (exists) {
        if (const std::error_code error = CheckReplaceable(existing, destination)) return {error};
    }
    IgnoreFileSizeSignal();
    PendingFile pending(destination);
    if (const std::error_code error = pending.Create()) return {error};
    if (exists) pending.KeepPermissionsOf(existing);
    if (const std::error_code error = pending.Write(bytes)) return {error};
    if (const std::error_code error = pending.Commit()) return {error};
    SyncFolder(destination.parent_path());
    return {};
}

}  // namespace circumvia
