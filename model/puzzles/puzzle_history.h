#pragma once
// The solver's side of the puzzles: the solver's rating and attempts, the latest attempts
// (so a puzzle is not posed again soon) and what each attempted puzzle has learned of its
// own rating. Kept as one line of text; entries that cannot be read are dropped, and the
// lists are bounded, so a damaged or hostile text gives a smaller history, never an error.

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/puzzles/puzzle.h"
#include "model/puzzles/puzzle_rating.h"

namespace circumvia {

inline constexpr std::size_t kMostRecentAttempts = 100;
inline constexpr std::size_t kMostLearnedPuzzles = 800;

// A puzzle's name in the history: its board and side ("BBB_..._RR1").
std::string PuzzleKey(const Puzzle& puzzle);

struct PuzzleAttemptRecord {
    std::string key;
    bool solved = false;
    bool operator==(const PuzzleAttemptRecord&) const = default;
};

class PuzzleHistory {
public:
    static PuzzleHistory FromText(std::string_view text);
    std::string Text() const;

    double Rating() const { return rating_; }
    int Attempts() const { return attempts_; }
    // Oldest first.
    const std::vector<PuzzleAttemptRecord>& Recent() const { return recent_; }

    // `shipped` with the rating and attempts it has learned here.
    Puzzle Learned(const Puzzle& shipped) const;
    // The indices of `puzzles` attempted among the latest attempts.
    std::set<int> RecentlySeen(const std::vector<Puzzle>& puzzles) const;
    // Counts an attempt at `puzzle` (as shipped): both ratings move as after a rated game.
    AttemptRatings Record(const Puzzle& puzzle, bool solved);

private:
    struct LearnedRating {
        std::string key;
        int rating = 0;
        int attempts = 0;
    };
    const LearnedRating* Find(const std::string& key) const;

    double rating_ = 0;
    int attempts_ = 0;
    std::vector<PuzzleAttemptRecord> recent_;
    std::vector<LearnedRating> learned_;  // the latest attempted last
};

}  // namespace circumvia
