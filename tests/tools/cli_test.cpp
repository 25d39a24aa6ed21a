#include "tests/tools/cli_run.h"

#include <gtest/gtest.h>

#include <sstream>

namespace circumvia::cli {
namespace {

constexpr char kStart[] = "BBBBBBBBBBBB____________RRRRRRRRRRRR";

using testing::Cli;
using testing::CliRun;

std::string Board(std::initializer_list<std::pair<int, char>> pieces) {
    std::string text(36, '_');
    for (auto [cell, c] : pieces) text[cell - 1] = c;
    return text;
}

TEST(CliRules, MovesListsEveryMoveInOrder) {
    const CliRun run = Cli({"moves", kStart, "1"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.substr(0, 24), "25 19\n25 20\n26 19\n26 20\n");
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 16);
    EXPECT_TRUE(run.err.empty());
}

TEST(CliRules, DestPathAndMovetextPrintExactLines) {
    const std::string board = Board({{2, 'R'}, {35, 'B'}});
    EXPECT_EQ(Cli({"dest", board, "2"}).out, "2 35\n2 35\n2 1\n2 7\n2 8\n2 3\n2 9\n");
    EXPECT_EQ(Cli({"path", board, "2", "35"}).out, "8 14 20 26 32 25 26 27 28 29 30 35\n");
    EXPECT_EQ(Cli({"path", board, "2", "8"}).out, "\n");
    EXPECT_EQ(Cli({"movetext", "25", "19"}).out, "E 1->D 1\n");
}

// Cell 0 means "no cell", as in the model's notation.
TEST(CliRules, MovetextTakesCellZeroAsNoCell) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"movetext", "7", "0"}, "B 1\n"},
        {{"movetext", "0", "12"}, "\n"},
        {{"movetext", "0", "0"}, "\n"},
        {{"movetext", "36", "1"}, "F 6->A 1\n"},
    };
    for (const auto& [call, expected] : cases) {
        const CliRun run = Cli(call);
        EXPECT_EQ(run.status, 0) << call[1] << ' ' << call[2];
        EXPECT_EQ(run.out, expected) << call[1] << ' ' << call[2];
    }
}

TEST(CliRules, EmptySideHasNoMoves) {
    const CliRun run = Cli({"moves", Board({{2, 'R'}}), "2"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
}

TEST(CliErrors, MalformedCallsExitWithStatusTwoAndOneLine) {
    const std::vector<std::vector<std::string>> calls = {
        {},
        {"nonsense"},
        {"moves", kStart},                              // missing side
        {"moves", kStart, "1", "extra"},                // extra argument
        {"moves", std::string(kStart).substr(1), "1"},  // 35 characters
        {"moves", std::string(kStart) + "R", "1"},      // 37 characters
        {"moves", Board({{1, 'x'}}), "1"},              // unknown character
        {"moves", kStart, "3"},                         // no such side
        {"moves", kStart, "0"},
        {"moves", kStart, "1x"},
        {"dest", kStart, "0"},  // cell outside 1..36
        {"dest", kStart, "37"},
        {"path", kStart, "2"},
        {"path", kStart, "2", "-1"},
        {"movetext", "25"},
        {"movetext", "25", "99999999999"},
        {"movetext", "-1", "5"},
        {"movetext", "25", "37"},
    };
    for (const auto& call : calls) {
        const CliRun run = Cli(call);
        std::string shown;
        for (const auto& w : call) shown += w + ' ';
        EXPECT_EQ(run.status, 2) << shown;
        EXPECT_TRUE(run.out.empty()) << shown;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << shown << run.err;
    }
}

TEST(CliErrors, MessageNamesTheFaultyWord) {
    EXPECT_NE(Cli({"moves", kStart, "7"}).err.find("side '7'"), std::string::npos);
    EXPECT_NE(Cli({"dest", kStart, "40"}).err.find("cell '40'"), std::string::npos);
    EXPECT_NE(Cli({"frobnicate"}).err.find("frobnicate"), std::string::npos);
}

TEST(CliHelp, DescribesEverySubCommand) {
    const CliRun run = Cli({"--help"});
    EXPECT_EQ(run.status, 0);
    for (const char* name : {"moves", "dest", "path", "movetext"}) {
        EXPECT_NE(run.out.find(std::string("  ") + name + ' '), std::string::npos) << name;
    }
}

TEST(CliHelp, VersionIsTheProjectVersionAndTakesNoArguments) {
    for (const char* option : {"--version", "-v"}) {
        const CliRun run = Cli({option});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out, std::string("circumvia-cli ") + CIRCUMVIA_PROJECT_VERSION + '\n');
        EXPECT_TRUE(run.err.empty());
    }
    EXPECT_EQ(Cli({"--version", "extra"}).status, 2);
}

}  // namespace
}  // namespace circumvia::cli
