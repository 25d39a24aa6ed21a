// circumvia-cli's level measurements: match and ladder.
#include <gtest/gtest.h>

#include <regex>

#include "tests/tools/cli_run.h"
#include "tests/tools/usage_errors.h"

namespace circumvia::cli {
namespace {

using testing::Cli;
using testing::CliRun;

TEST(CliMatch, MalformedCallsAreUsageErrors) {
    testing::ExpectUsageErrors({
        {"match"},
        {"match", "--red", "1", "--white", "2"},
        {"match", "--red", "1", "--games", "4"},
        {"match", "--red", "0", "--white", "2", "--games", "4"},
        {"match", "--red", "1", "--white", "7", "--games", "4"},
        {"match", "--red", "1", "--white", "2", "--games", "0"},
        {"match", "--red", "1", "--white", "2", "--games", "many"},
        {"match", "--red", "1", "--white", "2", "--games", "4", "--threads", "0"},
        {"match", "--red", "1", "--white", "2", "--games", "4", "--seed", "-1"},
        {"match", "--red", "1", "--white", "2", "--games", "4", "--depth", "3"},
        {"match", "--red", "1", "--white", "2", "--games", "4", "extra"},
        {"match", "--red", "1", "--white", "2", "--games"},
        {"ladder"},
        {"ladder", "--games", "0"},
        {"ladder", "--games", "10", "--red", "1"},
        {"ladder", "--games", "10", "--threads", "1000"},
    });
}

TEST(CliMatch, ReportsBothSidesOfTheSameGamesAndTheDifference) {
    const CliRun run = Cli({"match", "--red", "2", "--white", "1", "--games", "6", "--seed", "3"});
    ASSERT_EQ(run.status, 0) << run.err;
    std::smatch tally;
    ASSERT_TRUE(std::regex_search(run.out, tally,
                                  std::regex("level 2 \\(Red first\\): (\\d+) wins, (\\d+) draws, "
                                             "(\\d+) losses\nlevel 1 \\(White first\\): (\\d+) "
                                             "wins, (\\d+) draws, (\\d+) losses\n")))
        << run.out;
    EXPECT_EQ(tally[1], tally[6]);
    EXPECT_EQ(tally[2], tally[5]);
    EXPECT_EQ(tally[3], tally[4]);
    EXPECT_EQ(std::stoi(tally[1]) + std::stoi(tally[2]) + std::stoi(tally[3]), 6);
    EXPECT_TRUE(run.out.starts_with("games 6, colours alternating, seeds 3 to 8\n")) << run.out;
    EXPECT_NE(run.out.find("level 2 (Red first) minus level 1 (White first): "), std::string::npos)
        << run.out;
    EXPECT_TRUE(run.err.ends_with("6/6 games\n")) << run.err;
}

TEST(CliLadder, EndsWithTheRatingsTableTheBuildReads) {
    const CliRun run = Cli({"ladder", "--games", "2", "--threads", "2", "--expert-ms", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::regex table(
        "\n\\| Level \\| Rating \\| 95 % interval \\|\n\\|[-:| ]+\n"
        "\\| 1 \\| 1000 \\| anchor \\|\n"
        "(\\| [2-6] \\| \\d+ \\| \\d+ to \\d+ \\|\n){5}$");
    EXPECT_TRUE(std::regex_search(run.out, table)) << run.out;
    for (const char* pair :
         {"level 2 against level 1: ", "level 3 against level 2: ", "level 4 against level 3: ",
          "level 5 against level 4: ", "level 5 against level 1: ", "level 6 against level 5: "}) {
        EXPECT_NE(run.out.find(pair), std::string::npos) << pair;
    }
}

}  // namespace
}  // namespace circumvia::cli
