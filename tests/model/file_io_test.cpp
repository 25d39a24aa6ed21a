#include "model/file_io.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <future>

#include "tests/model/game_file_fixtures.h"
#include "tests/support/hostile_targets.h"

namespace circumvia {
namespace {

namespace fs = std::filesystem;
using testing::Bytes;
using testing::BytesOf;
using testing::FileBytes;
using testing::ScratchFolder;

std::vector<std::string> FolderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

// Lowers this process's file-size limit so that writing past it fails with EFBIG, the
// way a full disk makes a write fail; restores the limit and the signal on destruction.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, old_handler_);
    }

private:
    rlimit saved_{};
    void (*old_handler_)(int) = nullptr;
};

TEST(ReplaceFileContents, CreatesANewFileAndLeavesNothingElse) {
    ScratchFolder folder;
    ASSERT_TRUE(ReplaceFileContents(folder / "game.Cva", BytesOf("new game")));
    EXPECT_EQ(FileBytes(folder / "game.Cva"), BytesOf("new game"));
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"game.Cva"});
}

TEST(ReplaceFileContents, ReplacesTheWholeFileAndKeepsItsPermissions) {
    ScratchFolder folder;
    const auto path = folder / "game.Cva";
    testing::WriteFile(path, BytesOf("a much longer old content"));
    fs::permissions(path, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(ReplaceFileContents(path, BytesOf("short")));
    EXPECT_EQ(FileBytes(path), BytesOf("short"));
    EXPECT_EQ(fs::status(path).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"game.Cva"});
}

TEST(ReplaceFileContents, AWriteThatFailsHalfwayLeavesTheOldFileAsItWas) {
    ScratchFolder folder;
    const auto path = folder / "game.Cva";
    const Bytes old_content = BytesOf("the user's game");
    testing::WriteFile(path, old_content);
    const Bytes new_content(64 * 1024, 0x42);
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(ReplaceFileContents(path, new_content));
    }
    EXPECT_EQ(FileBytes(path), old_content);
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"game.Cva"});
}

TEST(ReplaceFileContents, FailsWhenTheFolderCannotHoldAFile) {
    ScratchFolder folder;
    testing::WriteFile(folder / "plain", BytesOf("x"));
    EXPECT_FALSE(ReplaceFileContents(folder / "plain" / "game.Cva", BytesOf("y")));
    EXPECT_FALSE(ReplaceFileContents(folder / "missing" / "game.Cva", BytesOf("y")));
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"plain"});
}

TEST(ReplaceFileContents, NeverReplacesAFolder) {
    ScratchFolder folder;
    fs::create_directory(folder / "games");
    EXPECT_FALSE(ReplaceFileContents(folder / "games", BytesOf("y")));
    EXPECT_TRUE(fs::is_directory(folder / "games"));
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"games"});
}

TEST(ReplaceFileContents, WritesThroughASymbolicLink) {
    ScratchFolder folder;
    testing::WriteFile(folder / "real.Cva", BytesOf("old"));
    fs::create_symlink("real.Cva", folder / "link.Cva");
    ASSERT_TRUE(ReplaceFileContents(folder / "link.Cva", BytesOf("new")));
    EXPECT_TRUE(fs::is_symlink(folder / "link.Cva"));
    EXPECT_EQ(FileBytes(folder / "real.Cva"), BytesOf("new"));
}

TEST(ReplaceFileContents, RefusesAWriteProtectedFileAndSaysWhy) {
    ScratchFolder folder;
    const auto path = folder / "game.Cva";
    testing::WriteFile(path, BytesOf("protected"));
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const WriteResult result = ReplaceFileContents(path, BytesOf("new"));
    EXPECT_FALSE(result);
    EXPECT_EQ(result.error, std::errc::permission_denied);
    EXPECT_EQ(FileBytes(path), BytesOf("protected"));
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"game.Cva"});
}

// The kernel's own limit, as `ulimit -f` sets it, with the signal left at its default
// action (which kills): the save must fail instead, so the child lives to report it.
TEST(ReplaceFileContentsDeathTest, AFileSizeLimitFailsTheSaveInsteadOfKillingTheProcess) {
    ScratchFolder folder;
    const auto path = folder / "game.Cva";
    testing::WriteFile(path, BytesOf("old"));
    const auto save_under_limit = [&] {
        std::signal(SIGXFSZ, SIG_DFL);
        rlimit limit{};
        getrlimit(RLIMIT_FSIZE, &limit);
        limit.rlim_cur = 1024;
        setrlimit(RLIMIT_FSIZE, &limit);
        const WriteResult result = ReplaceFileContents(path, Bytes(64 * 1024, 0x42));
        std::_Exit(!result && result.error == std::errc::file_too_large ? 0 : 1);
    };
    EXPECT_EXIT(save_under_limit(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(FileBytes(path), BytesOf("old"));
    EXPECT_EQ(FolderEntries(folder.path()), std::vector<std::string>{"game.Cva"});
}

TEST(ReplaceFileContents, FollowsADanglingLinkAndKeepsTheLink) {
    ScratchFolder folder;
    fs::create_directory(folder / "games");
    fs::create_symlink("games/real.Cva", folder / "link.Cva");
    fs::create_symlink("link.Cva", folder / "second.Cva");  // a chain ends at the same file
    ASSERT_TRUE(ReplaceFileContents(folder / "second.Cva", BytesOf("new")));
    EXPECT_TRUE(fs::is_symlink(folder / "link.Cva"));
    EXPECT_TRUE(fs::is_symlink(folder / "second.Cva"));
    EXPECT_EQ(FileBytes(folder / "games" / "real.Cva"), BytesOf("new"));
}

TEST(ReplaceFileContents, ALinkIntoAMissingFolderOrALoopFailsAndChangesNothing) {
    ScratchFolder folder;
    fs::create_symlink("missing/real.Cva", folder / "dangling.Cva");
    fs::create_symlink("loop2.Cva", folder / "loop1.Cva");
    fs::create_symlink("loop1.Cva", folder / "loop2.Cva");
    EXPECT_EQ(ReplaceFileContents(folder / "dangling.Cva", BytesOf("y")).error,
              std::errc::no_such_file_or_directory);
    EXPECT_EQ(ReplaceFileContents(folder / "loop1.Cva", BytesOf("y")).error,
              std::errc::too_many_symbolic_link_levels);
    EXPECT_TRUE(fs::is_symlink(folder / "dangling.Cva"));
    EXPECT_EQ(FolderEntries(folder.path()),
              (std::vector<std::string>{"dangling.Cva", "loop1.Cva", "loop2.Cva"}));
}

TEST(ReplaceFileContents, HandlesEveryHostileTargetAndAFullDisk) {
    ScratchFolder folder;
    const testing::hostile::Writer save = [](const fs::path& target) {
        return ReplaceFileContents(target, Bytes(64 * 1024, 0x42)).error;
    };
    testing::hostile::ExpectEveryTargetHandled(save, folder.path());
    testing::hostile::ExpectFullDiskHandled(save, folder.path());
}

TEST(ReadWholeFile, RefusesAPipeAtOnceInsteadOfWaitingForAWriter) {
    ScratchFolder folder;
    const auto fifo = folder / "game.Cva";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto read = std::async(std::launch::async, [&] { return ReadWholeFile(fifo, 1000).status; });
    if (read.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // Frees the blocked reader so the test can end.
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
        FAIL() << "reading a pipe waited for a writer";
    }
    EXPECT_EQ(read.get(), ReadStatus::kNotRegular);
}

TEST(ReadWholeFile, ReadsUpToTheLimitAndRefusesMore) {
    ScratchFolder folder;
    testing::WriteFile(folder / "ten", BytesOf("0123456789"));
    const FileContents exact = ReadWholeFile(folder / "ten", 10);
    EXPECT_EQ(exact.status, ReadStatus::kOk);
    EXPECT_EQ(exact.bytes, BytesOf("0123456789"));
    const FileContents over = ReadWholeFile(folder / "ten", 9);
    EXPECT_EQ(over.status, ReadStatus::kTooLarge);
    EXPECT_TRUE(over.bytes.empty());
    // An endless device is not a file: refused before a single byte is read.
    EXPECT_EQ(ReadWholeFile("/dev/zero", 1000).status, ReadStatus::kNotRegular);
}

TEST(ReadWholeFile, ReportsMissingFilesAndFolders) {
    ScratchFolder folder;
    EXPECT_EQ(ReadWholeFile(folder / "none", 100).status, ReadStatus::kCannotOpen);
    EXPECT_EQ(ReadWholeFile(folder.path(), 100).status, ReadStatus::kNotRegular);
}

}  // namespace
}  // namespace circumvia
