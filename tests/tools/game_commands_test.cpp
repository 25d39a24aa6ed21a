// circumvia-cli's whole-game commands: replay and selfplay.
#include <gtest/gtest.h>

#include <sstream>

#include "tests/tools/cli_run.h"
#include "tests/tools/usage_errors.h"

namespace circumvia::cli {
namespace {

using testing::Cli;
using testing::CliRun;

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) lines.push_back(line);
    return lines;
}

TEST(CliReplay, PrintsTheStateAfterEveryMove) {
    const CliRun run = Cli({"replay", "26", "20", "8", "14", "0", "0"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "1 2 0 BBBBBBBBBBBB_______R____R_RRRRRRRRRR\n"
              "2 1 0 BBBBBBB_BBBB_B_____R____R_RRRRRRRRRR\n"
              "3 2 -1 BBBBBBB_BBBB_B_____R____R_RRRRRRRRRR\n");
    EXPECT_EQ(run.err, "");
}

TEST(CliReplay, FirstSetsTheSideToMoveAndNamesAreAccepted) {
    const CliRun run = Cli({"replay", "--first", "2", "--red-name", "Rouge", "--white-name",
                            "Blanc", "8", "14", "26", "20"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(Lines(run.out).size(), 2u);
    EXPECT_TRUE(run.out.starts_with("1 1 0 ")) << run.out;
}

TEST(CliReplay, RepetitionEndsTheGameAsTheRecordSays) {
    std::vector<std::string> words = {"replay"};
    for (int n = 0; n < 5; ++n) {
        for (const char* cell : {"25", "19", "7", "13", "19", "25", "13", "7"})
            words.push_back(cell);
    }
    const CliRun run = Cli(words);
    EXPECT_EQ(run.status, 1);  // the game is drawn after move 17: the 18th is refused
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_TRUE(lines[15].starts_with("16 1 0 "));
    EXPECT_TRUE(lines[16].starts_with("17 2 -1 "));
    EXPECT_EQ(run.err,
              "circumvia-cli: replay: move 18 (7 13) comes after the end of the game "
              "for White\n");
}

TEST(CliReplay, AnIllegalMoveStopsWithStatusOneAndNamesIt) {
    CliRun run = Cli({"replay", "26", "20", "26", "20"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(Lines(run.out).size(), 1u);
    EXPECT_EQ(run.err, "circumvia-cli: replay: move 2 (26 20) is not legal for White\n");

    run = Cli({"replay", "8", "14"});  // White's piece while Red is to move
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    run = Cli({"replay", "26", "0"});  // half a null move
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("(26 0)"), std::string::npos);
}

TEST(CliReplay, NothingMayFollowTheNullMove) {
    const CliRun run = Cli({"replay", "0", "0", "8", "14"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "1 2 -1 BBBBBBBBBBBB____________RRRRRRRRRRRR\n");
    EXPECT_NE(run.err.find("move 2 (8 14) comes after the end of the game"), std::string::npos);
}

TEST(CliSelfplay, PlaysAWholeSeededGameTheSameWayTwice) {
    const std::vector<std::string> call = {"selfplay", "--red", "2", "--white", "3", "--seed", "7"};
    const CliRun first = Cli(call);
    ASSERT_EQ(first.status, 0);
    EXPECT_EQ(Cli(call).out, first.out);
    const std::vector<std::string> lines = Lines(first.out);
    ASSERT_GE(lines.size(), 2u);
    for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
        const std::string number = std::to_string(i + 1) + ". ";
        ASSERT_TRUE(lines[i].starts_with(number)) << lines[i];
        const std::string rest = lines[i].substr(number.size());
        const bool red = rest.starts_with("Red ");
        ASSERT_TRUE(red || rest.starts_with("White ")) << lines[i];
        EXPECT_EQ(red, i % 2 == 0) << lines[i];  // Red moves first, then they alternate
        const std::string move = rest.substr(red ? 4 : 6);
        EXPECT_TRUE(move == "no move" || (move.size() == 8 && move.substr(3, 2) == "->"))
            << lines[i];
    }
    const std::string& result = lines.back();
    EXPECT_TRUE(result == "result 1" || result == "result 2" || result == "result -1") << result;
}

TEST(CliSelfplay, StopsAtTheMoveLimit) {
    const CliRun run =
        Cli({"selfplay", "--red", "1", "--white", "5", "--seed", "3", "--max-moves", "6"});
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_TRUE(lines[0].starts_with("1. Red "));
    EXPECT_TRUE(lines[1].starts_with("2. White "));
    EXPECT_EQ(lines.back(), "result 0");
}

TEST(CliGameErrors, MalformedCallsExitWithStatusTwo) {
    const std::vector<std::vector<std::string>> calls = {
        {"replay"},
        {"replay", "26"},
        {"replay", "26", "37"},
        {"replay", "--first", "3", "26", "20"},
        {"replay", "--first"},
        {"replay", "--color", "1", "26", "20"},
        {"selfplay"},
        {"selfplay", "--red", "2"},
        {"selfplay", "--red", "0", "--white", "2"},
        {"selfplay", "--red", "2", "--white", "7"},
        {"selfplay", "--red", "2", "--white", "2", "--max-moves", "0"},
        {"selfplay", "--red", "2", "--white", "2", "extra"},
    };
    testing::ExpectUsageErrors(calls);
}

}  // namespace
}  // namespace circumvia::cli
