#pragma once
// The places a file write is pointed at that must not lose or damage anything: pipes,
// devices, folders, links of every kind, protected files, names at the length limit or
// not UTF-8, a file-size limit and a full disk. Every writer that replaces a file (the
// game save, the PDF export) is run against the same table.

#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <system_error>
#include <vector>

namespace circumvia::testing {

namespace hostile {

namespace fs = std::filesystem;

// Writes the file at the path it is given; the system's reason on failure.
using Writer = std::function<std::error_code(const fs::path& target)>;

inline void Put(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// What a folder holds, link targets and file contents included, to tell exactly what a
// write changed.
struct Entry {
    fs::file_type type;
    fs::perms perms;
    std::string content;  // a file's bytes, a link's target
    uid_t owner;
    bool operator==(const Entry&) const = default;
};
using Snapshot = std::map<std::string, Entry>;

inline Snapshot Take(const fs::path& folder) {
    Snapshot all;
    for (const auto& item : fs::directory_iterator(folder)) {
        const fs::file_status status = fs::symlink_status(item.path());
        struct stat info {};
        ::lstat(item.path().c_str(), &info);
        Entry entry{status.type(), status.permissions(), {}, info.st_uid};
        if (status.type() == fs::file_type::symlink) {
            entry.content = fs::read_symlink(item.path());
        } else if (status.type() == fs::file_type::regular) {
            std::ifstream in(item.path(), std::ios::binary);
            entry.content.assign(std::istreambuf_iterator<char>(in), {});
        }
        all.emplace(item.path().filename(), entry);
    }
    return all;
}

// What a case puts in the folder before the write.
struct Step {
    enum Kind { kFile, kPrivateFile, kProtectedFile, kLink, kPipe, kFolder } kind;
    const char* name;
    const char* link_to = "";
};

struct Target {
    const char* what;
    std::vector<Step> steps;
    std::string path;     // written to, inside the folder
    std::errc expected;   // std::errc() for a write that must succeed
    std::string written;  // the file a successful write lands in
    rlim_t size_limit = RLIM_INFINITY;
};

inline void Make(const fs::path& folder, const Step& step) {
    const fs::path at = folder / step.name;
    switch (step.kind) {
        case Step::kFile:
            return Put(at, "old");
        case Step::kPrivateFile:  // given to another owner where the test may do that
            Put(at, "old");
            fs::permissions(at, fs::perms::owner_read | fs::perms::owner_write);
            if (::geteuid() == 0 && ::chown(at.c_str(), 65534, 65534) != 0) ADD_FAILURE();
            return;
        case Step::kProtectedFile:
            Put(at, "old");
            return fs::permissions(at, fs::perms::owner_read | fs::perms::group_read);
        case Step::kLink:
            return fs::create_symlink(step.link_to, at);
        case Step::kPipe:
            ASSERT_EQ(::mkfifo(at.c_str(), 0644), 0);
            return;
        case Step::kFolder:
            fs::create_directory(at);
            return;
    }
}

using enum std::errc;
// clang-format off
inline const Target kTargets[] = {
    {"a new file", {}, "out", {}, "out"},
    {"a private file of another owner", {{Step::kPrivateFile, "out"}}, "out", {}, "out"},
    {"a link to a file", {{Step::kFile, "real"}, {Step::kLink, "link", "real"}}, "link", {}, "real"},
    {"a dangling link", {{Step::kLink, "link", "made"}}, "link", {}, "made"},
    {"a name of 255 bytes", {}, std::string(255, 'n'), {}, std::string(255, 'n')},
    {"a name that is not UTF-8", {}, "caf\xe9", {}, "caf\xe9"},
    {"a pipe", {{Step::kPipe, "out"}}, "out", invalid_argument, ""},
    {"a link to a device", {{Step::kLink, "out", "/dev/null"}}, "out", invalid_argument, ""},
    {"a folder", {{Step::kFolder, "out"}}, "out", is_a_directory, ""},
    {"a write-protected file", {{Step::kProtectedFile, "out"}}, "out", permission_denied, ""},
    {"a missing folder", {}, "missing/out", no_such_file_or_directory, ""},
    {"a link loop", {{Step::kLink, "one", "two"}, {Step::kLink, "two", "one"}}, "one",
     too_many_symbolic_link_levels, ""},
    {"a link into a missing folder", {{Step::kLink, "out", "missing/out"}}, "out",
     no_such_file_or_directory, ""},
    {"an old file under a file-size limit", {{Step::kFile, "out"}}, "out", file_too_large, "", 4096},
};
// clang-format on

// A lowered file-size limit, the signal it raises ignored as the shell's `ulimit -f`
// user would not have it; both restored on destruction.
class SizeLimit {
public:
    explicit SizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit lowered = saved_;
        lowered.rlim_cur = std::min(bytes, saved_.rlim_max);
        ::setrlimit(RLIMIT_FSIZE, &lowered);
    }
    SizeLimit(const SizeLimit&) = delete;
    SizeLimit& operator=(const SizeLimit&) = delete;
    ~SizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }

private:
    rlimit saved_{};
};

// Each target in a fresh folder: the outcome expected, nothing else touched, no stray
// file, and on failure everything exactly as it was.
inline void ExpectEveryTargetHandled(const Writer& write, const fs::path& scratch) {
    for (const Target& target : kTargets) {
        SCOPED_TRACE(target.what);
        const fs::path folder = scratch / "hostile";
        fs::remove_all(folder);
        fs::create_directories(folder);
        for (const Step& step : target.steps) Make(folder, step);
        const fs::path path = folder / target.path;
        const Snapshot before = Take(folder);
        std::error_code error;
        {
            const SizeLimit limit(target.size_limit);
            error = write(path);
        }
        if (target.expected == std::errc())
            EXPECT_FALSE(error) << error.message();
        else
            EXPECT_EQ(error, target.expected) << error.message();
        Snapshot after = Take(folder);
        if (!target.written.empty() && after.contains(target.written)) {
            const Entry& made = after.at(target.written);
            EXPECT_EQ(made.type, fs::file_type::regular);
            EXPECT_FALSE(made.content.empty());
            if (before.contains(target.written)) {
                const Entry& old = before.at(target.written);
                EXPECT_EQ(made.perms, old.perms);
                EXPECT_EQ(made.owner, old.owner);
            }
            after.erase(target.written);
            Snapshot others = before;
            others.erase(target.written);
            EXPECT_EQ(after, others);
        } else {
            EXPECT_TRUE(target.written.empty()) << "nothing was written";
            EXPECT_EQ(after, before);
        }
    }
    fs::remove_all(scratch / "hostile");
}

// A small disk, nearly full, holding an old file: the write fails with the disk full, and
// the old file and the free room are as they were. Needs a file system of its own, which
// only the superuser can mount here; skipped with a message otherwise.
inline void ExpectFullDiskHandled(const Writer& write, const fs::path& scratch) {
    const fs::path disk = scratch / "disk";
    fs::create_directories(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=512k") != 0) {
        std::cout << "[  SKIPPED ] full disk: cannot mount a small disk here ("
                  << std::strerror(errno) << ")\n";
        fs::remove_all(disk);
        return;
    }
    Put(disk / "out", "old");
    struct statvfs room {};
    ::statvfs(disk.c_str(), &room);
    Put(disk / "filler", std::string(room.f_bavail * room.f_frsize - 8192, 'f'));
    const Snapshot before = Take(disk);
    ::statvfs(disk.c_str(), &room);
    const auto free_before = room.f_bavail;
    EXPECT_EQ(write(disk / "out"), std::errc::no_space_on_device);
    EXPECT_EQ(Take(disk), before);
    ::statvfs(disk.c_str(), &room);
    EXPECT_EQ(room.f_bavail, free_before) << "space still taken by a temporary file";
    ::umount(disk.c_str());
    fs::remove_all(disk);
}

}  // namespace hostile

}  // namespace circumvia::testing
