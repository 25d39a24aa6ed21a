#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "tests/model/game_file_fixtures.h"
#include "tests/tools/cli_run.h"

namespace circumvia::cli {
namespace {

namespace fs = std::filesystem;

using testing::Cli;
using testing::CliRun;

// What a command prints, or empty when it cannot run.
std::string Output(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) return {};
    std::string text;
    std::array<char, 256> chunk{};
    while (fgets(chunk.data(), chunk.size(), pipe.get()) != nullptr) text += chunk.data();
    return text;
}

class PrintCommand : public ::testing::Test {
protected:
    std::string Path(const char* name) const { return (folder_ / name).string(); }

    circumvia::testing::ScratchFolder folder_;
};

TEST_F(PrintCommand, WritesTheRecordOfAFortyMoveGameOnTwoA4Pages) {
    ASSERT_EQ(Cli({"selfplay", "--red", "1", "--white", "1", "--seed", "5", "--max-moves", "40",
                   "--save", Path("game.Cva")})
                  .status,
              0);
    const CliRun run = Cli({"print", Path("game.Cva"), Path("game.pdf"), "--language", "A"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    const std::string info = Output("pdfinfo '" + Path("game.pdf") + "'");
    EXPECT_NE(info.find("Pages:           2"), std::string::npos) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
}

TEST_F(PrintCommand, UnreadableGameOrUnwritableOutputFailsWithStatus1) {
    { std::ofstream(Path("bad.Cva")) << "not a game"; }
    const CliRun bad = Cli({"print", Path("bad.Cva"), Path("out.pdf")});
    EXPECT_EQ(bad.status, 1);
    EXPECT_NE(bad.err.find("not a readable game file"), std::string::npos);
    EXPECT_EQ(Cli({"print", Path("missing.Cva"), Path("out.pdf")}).status, 1);
    EXPECT_FALSE(fs::exists(Path("out.pdf")));

    ASSERT_EQ(Cli({"replay", "25", "19", "--save", Path("short.Cva")}).status, 0);
    const CliRun unwritable = Cli({"print", Path("short.Cva"), Path("no/such/folder.pdf")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("cannot write"), std::string::npos);
}

TEST_F(PrintCommand, MalformedCallsAreUsageErrors) {
    for (const std::vector<std::string>& words : {
             std::vector<std::string>{"print"},
             std::vector<std::string>{"print", "a.Cva"},
             std::vector<std::string>{"print", "a.Cva", "b.pdf", "c"},
             std::vector<std::string>{"print", "a.Cva", "b.pdf", "--language", "I"},
         }) {
        EXPECT_EQ(Cli(words).status, kUsageStatus) << words.size();
    }
}

// The output name reaches the file system byte for byte, whatever its encoding and up to
// the longest name a folder holds; a failure names it escaped, with the system's reason.
TEST_F(PrintCommand, KeepsTheOutputNameByteForByteAndSaysWhyItFails) {
    ASSERT_EQ(Cli({"replay", "25", "19", "--save", Path("short.Cva")}).status, 0);
    const std::string names[] = {"caf\xe9.pdf", std::string(251, 'p') + ".pdf"};
    for (const std::string& name : names) {
        const CliRun run = Cli({"print", Path("short.Cva"), (folder_ / name).string()});
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_TRUE(fs::is_regular_file(folder_ / name)) << name;
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_.path()), {}), 3);  // nothing else

    const CliRun failed = Cli({"print", Path("short.Cva"), Path("no\x1b[2J/out.pdf")});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("no\\x1b[2J/out.pdf': No such file or directory\n"),
              std::string::npos)
        << failed.err;
}

}  // namespace
}  // namespace circumvia::cli
