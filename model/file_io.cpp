#include "file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <fstream>
#include <random>
#include <string>
#include <system_error>

namespace circumvia {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;
constexpr int kTempNameAttempts = 100;

// A file being written beside its destination. Until Commit() succeeds, destroying it
// closes and deletes it, so no failure leaves a stray file behind.
class PendingFile {
public:
    explicit PendingFile(const fs::path& destination) : destination_(destination) { Create(); }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile() {
        if (fd_ >= 0) ::close(fd_);
        if (!committed_ && !path_.empty()) ::unlink(path_.c_str());
    }

    bool IsOpen() const { return fd_ >= 0; }
    bool Write(std::span<const std::uint8_t> bytes);
    void KeepPermissionsOf(const struct stat& existing) { ::fchmod(fd_, existing.st_mode & 07777); }
    bool Commit();

private:
    void Create();

    fs::path destination_;
    fs::path path_;
    int fd_ = -1;
    bool committed_ = false;
};

void PendingFile::Create() {
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
            return;
        }
        if (errno != EEXIST) return;
    }
}

bool PendingFile::Write(std::span<const std::uint8_t> bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
    }
    return true;
}

bool PendingFile::Commit() {
    if (::fsync(fd_) != 0) return false;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) return false;
    if (::rename(path_.c_str(), destination_.c_str()) != 0) return false;
    committed_ = true;
    return true;
}

// Makes the rename itself durable; a failure here loses nothing, so it is not reported.
void SyncFolder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

fs::path Destination(const fs::path& target) {
    std::error_code error;
    fs::path destination = target;
    if (fs::is_symlink(target, error)) {
        destination = fs::weakly_canonical(target, error);
        if (error) destination = target;
    }
    return destination.has_parent_path() ? destination : fs::path(".") / destination;
}

}  // namespace

FileContents ReadWholeFile(const fs::path& path, std::size_t max_bytes) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return {ReadStatus::kCannotOpen, {}};
    FileContents contents{ReadStatus::kOk, {}};
    std::vector<char> chunk(kReadChunk);
    while (file) {
        file.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        const auto got = static_cast<std::size_t>(file.gcount());
        if (contents.bytes.size() + got > max_bytes) return {ReadStatus::kTooLarge, {}};
        contents.bytes.insert(contents.bytes.end(), chunk.begin(), chunk.begin() + got);
    }
    if (file.bad()) return {ReadStatus::kReadFailed, {}};
    return contents;
}

bool ReplaceFileContents(const fs::path& target, std::span<const std::uint8_t> bytes) {
    const fs::path destination = Destination(target);
    PendingFile pending(destination);
    if (!pending.IsOpen()) return false;
    struct stat existing {};
    if (::stat(destination.c_str(), &existing) == 0) {
        if (!S_ISREG(existing.st_mode)) return false;
        pending.KeepPermissionsOf(existing);
    }
    if (!pending.Write(bytes) || !pending.Commit()) return false;
    SyncFolder(destination.parent_path());
    return true;
}

}  // namespace circumvia
