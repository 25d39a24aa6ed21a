// circumvia-cli puzzles: a generated set that its own check proves again, a check that
// names the puzzle with two answers, and malformed calls.
#include <gtest/gtest.h>

#include <unistd.h>
#include <filesystem>

#include <fstream>

#include "tests/tools/cli_run.h"
#include "tests/tools/usage_errors.h"

namespace circumvia::cli {
namespace {

namespace fs = std::filesystem;

using testing::Cli;
using testing::CliRun;

fs::path Scratch(const std::string& name) {
    return fs::temp_directory_path() /
           ("circumvia-puzzles-" + std::to_string(::getpid()) + "-" + name);
}

TEST(PuzzlesCommand, GeneratedPuzzlesAreProvenAgainByCheck) {
    const fs::path path = Scratch("generated.tsv");
    const CliRun made =
        Cli({"puzzles", "generate", "--games", "2", "--out", path.string(), "--threads", "2"});
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_NE(made.out.find("rejected"), std::string::npos) << made.out;
    const CliRun checked = Cli({"puzzles", "check", path.string()});
    EXPECT_EQ(checked.status, 0) << checked.out;
    EXPECT_EQ(checked.out.find("puzzle "), std::string::npos) << checked.out;
    fs::remove(path);
}

TEST(PuzzlesCommand, CheckNamesThePuzzleAlteredToHaveTwoAnswers) {
    const fs::path path = Scratch("altered.tsv");
    {
        std::ofstream file(path);
        file << "BBB_BB__B__BBBBBR___RRR_R_R___RRR_RR\t1\tC5-C4\t1200\t0\n"
                "BBB_BB__B__BBBBBR_B_RRR_R_R___RRR_RR\t1\tC5-C4\t1200\t0\n";
    }
    const CliRun run = Cli({"puzzles", "check", path.string()});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out.find("puzzle 1:"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("puzzle 2: solver move 1 (C5-C4): another move is nearly as good"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("1 of 2 puzzles proven"), std::string::npos) << run.out;
    fs::remove(path);
}

TEST(PuzzlesCommand, MalformedCallsAreUsageErrors) {
    testing::ExpectUsageErrors({{"puzzles"},
                                {"puzzles", "solve"},
                                {"puzzles", "generate", "--games", "3"},
                                {"puzzles", "generate", "--games", "0", "--out", "x"},
                                {"puzzles", "check"},
                                {"puzzles", "check", "a", "--margin", "0"}});
}

}  // namespace
}  // namespace circumvia::cli
