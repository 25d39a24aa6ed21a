#include "file_io.h"

#include <fcntl.h>
#include <pthread.h>
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

// Short enough for any folder that can hold the destination's own name.
std::string ShortTemporaryName(std::minstd_rand& generator) {
    return ".cv" + std::to_string(100000 + generator() % 900000) + ".tmp";
}

// Holds off the interrupting signals for the few calls that give a finished file a
// temporary name and rename it into place, so that no interrupt falls between the two.
class InterruptsHeld {
public:
    InterruptsHeld() {
        sigset_t held;
        sigemptyset(&held);
        for (const int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT}) sigaddset(&held, signal);
        ::pthread_sigmask(SIG_BLOCK, &held, &saved_);
    }
    ~InterruptsHeld() { ::pthread_sigmask(SIG_SETMASK, &saved_, nullptr); }
    InterruptsHeld(const InterruptsHeld&) = delete;
    InterruptsHeld& operator=(const InterruptsHeld&) = delete;

private:
    sigset_t saved_{};
};

}  // namespace

// The file being written beside its destination: unnamed where the file system allows it,
// else under a short hidden name. Until Commit() succeeds, destroying it closes and
// deletes it, so no failure leaves a stray file behind.
struct FileReplacement::Pending {
    explicit Pending(const fs::path& destination)
        : destination(destination), generator(std::random_device()()) {}
    Pending(const Pending&) = delete;
    Pending& operator=(const Pending&) = delete;
    ~Pending() {
        if (fd >= 0) ::close(fd);
        if (!committed && !path.empty()) ::unlink(path.c_str());
    }

    std::error_code Create();
    std::error_code CreateNamed();
    std::error_code Write(std::span<const std::uint8_t> bytes);
    void KeepOwnerAndPermissionsOf(const struct stat& existing);
    std::error_code NameUnnamed();
    std::error_code Commit();

    fs::path destination;
    fs::path path;  // empty while the file has no name
    int fd = -1;
    bool committed = false;
    std::minstd_rand generator;
};

std::error_code FileReplacement::Pending::Create() {
    // 0666 lets the umask decide, as for any newly created file.
    fd = ::open(destination.parent_path().c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd >= 0) return {};
    // A file system or kernel without unnamed files says so in one of these ways.
    if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) return CreateNamed();
    return LastError();
}

std::error_code FileReplacement::Pending::CreateNamed() {
    const fs::path folder = destination.parent_path();
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        const fs::path candidate = folder / ShortTemporaryName(generator);
        fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            path = candidate;
            return {};
        }
        if (errno != EEXIST) return LastError();
    }
    return ErrorOf(std::errc::file_exists);
}

std::error_code FileReplacement::Pending::Write(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return LastError();
        if (written == 0) return ErrorOf(std::errc::io_error);
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return {};
}

// The owner first: changing it may clear the set-id bits the mode then restores. Only the
// superuser may give a file away, so the owner stays the writer's elsewhere.
void FileReplacement::Pending::KeepOwnerAndPermissionsOf(const struct stat& existing) {
    if (::fchown(fd, existing.st_uid, existing.st_gid) != 0) {
        // Not permitted: the user's own file keeps at least its group where the user may.
        [[maybe_unused]] const int ignored = ::fchown(fd, static_cast<uid_t>(-1), existing.st_gid);
    }
    ::fchmod(fd, existing.st_mode & 07777);
}

// An unnamed file gets a short temporary name in the destination's folder, from which the
// rename moves it into place.
std::error_code FileReplacement::Pending::NameUnnamed() {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    const fs::path folder = destination.parent_path();
    for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
        const fs::path candidate = folder / ShortTemporaryName(generator);
        int linked =
            ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW);
        // Without /proc, the descriptor itself (which needs a privilege).
        if (linked != 0 && errno == ENOENT)
            linked = ::linkat(fd, "", AT_FDCWD, candidate.c_str(), AT_EMPTY_PATH);
        if (linked == 0) {
            path = candidate;
            return {};
        }
        if (errno != EEXIST) return LastError();
    }
    return ErrorOf(std::errc::file_exists);
}

std::error_code FileReplacement::Pending::Commit() {
    if (::fsync(fd) != 0) return LastError();
    const InterruptsHeld held;
    if (path.empty()) {
        if (const std::error_code error = NameUnnamed()) return error;
    }
    const int closing = fd;
    fd = -1;
    if (::close(closing) != 0) return LastError();
    if (::rename(path.c_str(), destination.c_str()) != 0) return LastError();
    committed = true;
    return {};
}

namespace {

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

FileReplacement::FileReplacement(const fs::path& target) : target_(target) {}

FileReplacement::~FileReplacement() = default;

std::error_code FileReplacement::Begin() {
    fs::path destination;
    if ((error_ = FollowLinks(target_, destination))) return error_;
    struct stat existing {};
    const bool exists = ::stat(destination.c_str(), &existing) == 0;
    if (exists && (error_ = CheckReplaceable(existing, destination))) return error_;
    IgnoreFileSizeSignal();
    pending_ = std::make_unique<Pending>(destination);
    if ((error_ = pending_->Create())) return error_;
    if (exists) pending_->KeepOwnerAndPermissionsOf(existing);
    return {};
}

std::error_code FileReplacement::Write(std::span<const std::uint8_t> bytes) {
    if (!error_ && !pending_) error_ = ErrorOf(std::errc::bad_file_descriptor);
    if (!error_) error_ = pending_->Write(bytes);
    return error_;
}

std::error_code FileReplacement::Commit() {
    if (!error_ && !pending_) error_ = ErrorOf(std::errc::bad_file_descriptor);
    if (error_ || (error_ = pending_->Commit())) return error_;
    SyncFolder(pending_->destination.parent_path());
    return {};
}

WriteResult ReplaceFileContents(const fs::path& target, std::span<const std::uint8_t> bytes) {
    FileReplacement replacement(target);
    if (const std::error_code error = replacement.Begin()) return {error};
    if (const std::error_code error = replacement.Write(bytes)) return {error};
    return {replacement.Commit()};
}

}  // namespace circumvia
