// circumvia-cli's computer-player commands: value, eval, suggest, perft and bench.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "model/position_text.h"
#include "tests/reference/reference_rules.h"
#include "tests/tools/cli_run.h"
#include "tests/tools/usage_errors.h"

namespace circumvia::cli {
namespace {

using testing::Cli;
using testing::CliRun;

constexpr char kStart[] = "BBBBBBBBBBBB____________RRRRRRRRRRRR";

std::string Board(std::initializer_list<std::pair<int, char>> pieces) {
    std::string text(36, '_');
    for (auto [cell, c] : pieces) text[static_cast<std::size_t>(cell - 1)] = c;
    return text;
}

TEST(CliValueAndEval, PrintThePieceValueAndTheEvaluation) {
    EXPECT_EQ(Cli({"value", kStart, "26"}).out, "53\n");
    EXPECT_EQ(Cli({"value", kStart, "31"}).out, "50\n");
    EXPECT_EQ(Cli({"value", Board({{2, 'R'}, {35, 'B'}}), "2"}).out, "65\n");
    EXPECT_EQ(Cli({"eval", kStart, "1"}).out, "0\n");
    EXPECT_EQ(Cli({"eval", Board({{20, 'R'}}), "1"}).out, "2147483647\n");
    EXPECT_EQ(Cli({"eval", Board({{20, 'R'}}), "2"}).out, "-2147483647\n");
}

TEST(CliValueAndEval, AnEmptyCellHasNoValue) {
    const CliRun run = Cli({"value", kStart, "18"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("18"), std::string::npos);
}

TEST(CliSuggest, PrintsTheMoveAndTheNodeCount) {
    EXPECT_EQ(Cli({"suggest", kStart, "1", "3"}).out, "26 21\nnodes 8570\n");
    EXPECT_EQ(Cli({"suggest", kStart, "2", "1"}).out, "8 14\nnodes 110\n");
    EXPECT_EQ(Cli({"suggest", Board({{2, 'R'}, {35, 'B'}}), "1", "4"}).out, "2 35\nnodes 1\n");
}

TEST(CliSuggest, SaysWhenARandomMoveReplacesTheSearch) {
    // Both of Red's moves lose its only piece: the search keeps the null move.
    const std::string lost = Board({{1, 'R'}, {7, 'B'}});
    for (const char* seed : {"1", "2", "3"}) {
        const CliRun run = Cli({"suggest", "--seed", seed, lost, "1", "1"});
        EXPECT_EQ(run.status, 0);
        EXPECT_TRUE(run.out == "1 2\nnodes 5\nrandom\n" || run.out == "1 8\nnodes 5\nrandom\n")
            << run.out;
    }
}

TEST(CliSuggest, ASideWithoutMovesGetsTheNullMove) {
    const std::string boxed_in = Board({{1, 'R'}, {2, 'B'}, {7, 'B'}, {8, 'B'}});
    EXPECT_EQ(Cli({"suggest", boxed_in, "1", "5"}).out, "0 0\nnodes 1\n");
}

// Sequences of `depth` moves from the literal move lists, none after a side is gone.
std::uint64_t ReferencePerft(const reference::Board& p, int side, int depth) {
    if (depth == 0) return 1;
    bool red = false;
    bool white = false;
    for (int cell = 1; cell <= 36; ++cell) {
        red |= p[cell] == 1;
        white |= p[cell] == 2;
    }
    if (!red || !white) return 0;
    std::uint64_t total = 0;
    for (const auto& [from, to] : reference::ListAllMoves(p, side)) {
        reference::Board next = p;
        next[to] = next[from];
        next[from] = 0;
        total += ReferencePerft(next, 3 - side, depth - 1);
    }
    return total;
}

reference::Board ToReferenceBoard(const std::string& text) {
    const Position p = PositionFromText(text);
    reference::Board board{};
    for (int cell = 1; cell <= 36; ++cell) board[cell] = p[cell];
    return board;
}

TEST(CliPerft, CountsMoveSequencesLikeTheLiteralMoveLists) {
    EXPECT_EQ(Cli({"perft", kStart, "1", "0"}).out, "1\n");
    EXPECT_EQ(Cli({"perft", kStart, "1", "1"}).out, "16\n");
    const std::string positions[] = {
        kStart,
        "BB_B_BBRB_B_B__B_BR_RRR___RRR_R___RR",
        "_R______R______B____________________",
        Board({{2, 'R'}, {35, 'B'}}),  // the captures of the last piece end their sequences
        Board({{9, 'R'}, {10, 'B'}, {29, 'R'}}),
    };
    for (const std::string& position : positions) {
        for (int side : {1, 2}) {
            for (int depth = 1; depth <= 3; ++depth) {
                const std::uint64_t expected =
                    ReferencePerft(ToReferenceBoard(position), side, depth);
                EXPECT_EQ(Cli({"perft", position, std::to_string(side), std::to_string(depth)}).out,
                          std::to_string(expected) + "\n")
                    << position << ' ' << side << ' ' << depth;
            }
        }
    }
}

std::string TotalNodesLine(const std::string& bench) {
    std::istringstream lines(bench);
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("total nodes ")) return line;
    }
    return {};
}

// The bench's node total is its signature: it changes only if the search's choices could.
TEST(CliBench, NodeTotalIsTheSignatureAndRepeats) {
    const CliRun first = Cli({"bench", "2"});
    ASSERT_EQ(first.status, 0);
    EXPECT_EQ(TotalNodesLine(first.out), "total nodes 74233");
    EXPECT_EQ(TotalNodesLine(Cli({"bench", "2"}).out), TotalNodesLine(first.out));
    EXPECT_EQ(TotalNodesLine(Cli({"bench", "3"}).out), "total nodes 614278");
}

TEST(CliBench, PrintsOneLinePerPositionThenTheTotals) {
    const CliRun run = Cli({"bench", "1"});
    std::istringstream lines(run.out);
    std::vector<std::string> all;
    for (std::string line; std::getline(lines, line);) all.push_back(line);
    ASSERT_GE(all.size(), 33u);
    EXPECT_TRUE(all[0].starts_with("1 opening ")) << all[0];
    EXPECT_NE(all[0].find(" nodes "), std::string::npos);
    EXPECT_NE(all[0].find(" ms "), std::string::npos);
    EXPECT_TRUE(all[all.size() - 3].starts_with("total nodes "));
    EXPECT_TRUE(all[all.size() - 2].starts_with("total ms "));
    EXPECT_TRUE(all[all.size() - 1].starts_with("nodes per second "));
    EXPECT_GE(all.size() - 3, 30u);
}

TEST(CliSearchErrors, MalformedCallsExitWithStatusTwo) {
    const std::vector<std::vector<std::string>> calls = {
        {"value", kStart},
        {"eval", kStart, "3"},
        {"suggest", kStart, "1"},
        {"suggest", kStart, "1", "20"},
        {"suggest", kStart, "1", "-1"},
        {"suggest", "--seed", kStart, "1", "2"},
        {"suggest", "--depth", "3", kStart, "1"},
        {"perft", kStart, "1", "11"},
        {"bench", "x"},
        // Depths whose runs would last hours or years.
        {"suggest", kStart, "1", "9"},
        {"suggest", kStart, "1", "19"},
        {"perft", kStart, "1", "8"},
        {"perft", kStart, "1", "10"},
        {"bench", "8"},
        {"bench", "19"},
        {"bench", "2", "3"},
    };
    testing::ExpectUsageErrors(calls);
}

}  // namespace
}  // namespace circumvia::cli
