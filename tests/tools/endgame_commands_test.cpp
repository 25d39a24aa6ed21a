// circumvia-cli endgame: a table built into a folder, then asked about a position.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/model/game_file_fixtures.h"
#include "tests/tools/cli_run.h"
#include "tests/tools/usage_errors.h"

namespace circumvia::cli::testing {
namespace {

using circumvia::testing::ScratchFolder;

// Red on cell 2, White on cell 7: Red takes it round the first small arc at once.
constexpr char kCaptureAtOnce[] = "_R____B_____________________________";

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

TEST(EndgameCommands, ProbePrintsTheResultThenEveryMoveInGenerationOrder) {
    const ScratchFolder folder;
    const CliRun build = Cli({"endgame", "build", "--pieces", "3", "--out", folder.path()});
    ASSERT_EQ(0, build.status) << build.err;

    const CliRun probe = Cli({"endgame", "probe", "--table", folder.path(), kCaptureAtOnce, "1"});
    ASSERT_EQ(0, probe.status) << probe.err;
    const std::vector<std::string> lines = Lines(probe.out);
    const std::vector<std::string> moves = Lines(Cli({"moves", kCaptureAtOnce, "1"}).out);
    ASSERT_EQ(moves.size() + 1, lines.size());
    EXPECT_EQ("win 1", lines[0]);
    for (std::size_t m = 0; m < moves.size(); ++m) {
        EXPECT_EQ(0u, lines[m + 1].rfind(moves[m] + ' ', 0)) << lines[m + 1];
    }
    EXPECT_EQ("2 7 win 1", lines[1]);
}

TEST(EndgameCommands, ProbeWithoutATableOrOutsideItFailsWithOneLine) {
    const ScratchFolder empty;
    const CliRun missing = Cli({"endgame", "probe", "--table", empty.path(), kCaptureAtOnce, "1"});
    EXPECT_EQ(1, missing.status);
    EXPECT_EQ("", missing.out);
    EXPECT_NE(std::string::npos, missing.err.find("not in the table"));
    ExpectUsageErrors({{"endgame"},
                       {"endgame", "solve"},
                       {"endgame", "build", "--pieces", "8"},
                       {"endgame", "probe", kCaptureAtOnce}});
}

}  // namespace
}  // namespace circumvia::cli::testing
