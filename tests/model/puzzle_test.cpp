// Puzzles: the proof that keeps only positions with one answer, the puzzle lines as
// written in a file, the ratings an attempt moves, and the shipped set.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "model/position_text.h"
#include "model/puzzles/puzzle_batch.h"
#include "model/puzzles/puzzle_proof.h"
#include "model/puzzles/puzzle_rating.h"

namespace circumvia {
namespace {

// Red takes on C4 and wins a piece; with one more White piece on cell 19 Red has a second
// move that gains as much.
constexpr char kOneAnswer[] = "BBB_BB__B__BBBBBR___RRR_R_R___RRR_RR";
constexpr char kTwoAnswers[] = "BBB_BB__B__BBBBBR_B_RRR_R_R___RRR_RR";

Puzzle PuzzleAt(const char* board, std::string_view line) {
    std::ostringstream text;
    text << board << "\t1\t" << line << "\t1200\t0";
    const std::optional<Puzzle> puzzle = ParsePuzzleText(text.str());
    EXPECT_TRUE(puzzle.has_value()) << text.str();
    return puzzle.value_or(Puzzle{});
}

TEST(PuzzleProof, KeepsTheOnlyGainAndRejectsOneWithASecondAsGood) {
    PuzzleProver prover{ProofSettings{}};
    const std::optional<Puzzle> found = prover.FindPuzzle(PositionFromText(kOneAnswer), kRed);
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(CompactMoveText(found->line.front()), "C5-C4");
    EXPECT_EQ(prover.Check(*found), "");

    EXPECT_FALSE(prover.FindPuzzle(PositionFromText(kTwoAnswers), kRed).has_value());
    EXPECT_NE(prover.Check(PuzzleAt(kTwoAnswers, "C5-C4")), "");
}

TEST(PuzzleText, ReadsBackWhatItWritesAndRefusesBrokenLines) {
    const Puzzle puzzle = PuzzleAt(kOneAnswer, "C5-C4");
    std::stringstream file;
    WritePuzzles({puzzle, puzzle}, file);
    file << "not a puzzle\n";
    file << kOneAnswer << "\t1\tC5-C4,A1-A2\t1200\t0\n";  // ends on the defender's move
    file << kOneAnswer << "\t2\tC5-C4\t1200\t0\n";        // White has no piece on C5
    file << kOneAnswer << "\t1\tA1-A2\t1200\t0\n";        // not Red's piece
    file << kOneAnswer << "\t1\tC5-C4\tstrong\t0\n";
    const PuzzleFile read = ReadPuzzles(file);
    ASSERT_EQ(read.puzzles.size(), 2u);
    EXPECT_EQ(read.puzzles[0], puzzle);
    EXPECT_EQ(read.bad_lines, (std::vector<int>{4, 5, 6, 7, 8}));
}

TEST(PuzzleRating, AnAttemptMovesBothRatingsTheWayItWent) {
    Puzzle puzzle = PuzzleAt(kOneAnswer, "C5-C4");
    puzzle.rating = 1500;
    const AttemptRatings solved = RateAttempt(1500, 0, puzzle, true);
    const AttemptRatings failed = RateAttempt(1500, 0, puzzle, false);
    EXPECT_GT(solved.solver, 1500);
    EXPECT_LT(solved.puzzle, 1500);
    EXPECT_LT(failed.solver, 1500);
    EXPECT_GT(failed.puzzle, 1500);
    // Solving a harder puzzle is worth more; a settled solver moves less than a new one.
    puzzle.rating = 1900;
    EXPECT_GT(RateAttempt(1500, 0, puzzle, true).solver, solved.solver);
    EXPECT_LT(RateAttempt(1500, 100, puzzle, true).solver,
              RateAttempt(1500, 0, puzzle, true).solver);
}

TEST(PuzzleRating, PosesAnUnseenPuzzleNearTheSolversRating) {
    std::vector<Puzzle> puzzles;
    for (int rating : {600, 1000, 1400, 1800, 2200, 1450}) {
        Puzzle puzzle;
        puzzle.rating = rating;
        puzzles.push_back(puzzle);
    }
    for (int draw = 0; draw < 3; ++draw) {
        const int chosen = ChoosePuzzle(puzzles, 1430, {}, draw);
        EXPECT_NEAR(puzzles[chosen].rating, 1430, 400) << draw;
    }
    EXPECT_EQ(ChoosePuzzle(puzzles, 1430, {0, 1, 2, 3, 5}, 0), 4);
    EXPECT_EQ(ChoosePuzzle(puzzles, 1430, {0, 1, 2, 3, 4, 5}, 0), -1);
}

TEST(ShippedPuzzles, AreEnoughSmallAndASampleIsProvenAgain) {
    const std::filesystem::path path = CIRCUMVIA_PUZZLE_FILE;
    EXPECT_LT(std::filesystem::file_size(path), 5u * 1024 * 1024);
    std::ifstream in(path);
    const PuzzleFile file = ReadPuzzles(in);
    EXPECT_TRUE(file.bad_lines.empty());
    ASSERT_GE(file.puzzles.size(), 500u);
    std::vector<Puzzle> sample;
    for (std::size_t i = 0; i < file.puzzles.size(); i += 20) sample.push_back(file.puzzles[i]);
    for (const std::string& reason : CheckPuzzles(sample, ProofSettings{}, 0, {})) {
        EXPECT_EQ(reason, "");
    }
}

}  // namespace
}  // namespace circumvia
