#pragma once
// The proof behind a puzzle: an exact search of the material (pieces of the side to move
// minus the opponent's, a side without pieces lost, a side without moves drawn) a fixed
// number of plies deep, with alpha-beta. A move is the puzzle's answer when it gains at
// least `gain` pieces (or wins) and every other move is worse by at least `margin`
// pieces; the line goes on after the defender's best reply while the solver's next move
// is again the only one by that margin and still gains.

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/board.h"
#include "model/move.h"
#include "model/puzzles/puzzle.h"

namespace circumvia {

struct ProofSettings {
    int depth = 4;  // plies from the solver's move, the defender's last reply included
    int margin = 1;
    int gain = 1;
    int max_solver_moves = 3;
};

// A won position is worth this much, more than any count of pieces.
inline constexpr int kPuzzleWin = 100;

// What one position's root search finds.
struct RootProof {
    Move best;                           // null when the side has no move
    int best_value = 0;                  // for the side to move
    int second_value = -kPuzzleWin - 1;  // the best of the other moves; below any value if none
    int material = 0;                    // the count before the move
    int moves = 0;                       // distinct legal moves
    std::int64_t nodes = 0;

    // The best move is the only one by `margin` and gains `gain`.
    bool Proves(const ProofSettings& settings) const;
};

class PuzzleProver {
public:
    explicit PuzzleProver(ProofSettings settings) : settings_(settings) {}

    RootProof Prove(const Position& position, Side side);
    // Whether some move gains `gain` pieces: a cheap first look before the proof.
    bool Gains(const Position& position, Side side);

    // A puzzle for `side` in `position`, with its line and first rating; nullopt when the
    // position has none.
    std::optional<Puzzle> FindPuzzle(const Position& position, Side side);

    // Re-proves every solver move of the puzzle's line; empty when it holds, else why not.
    std::string Check(const Puzzle& puzzle);

    // The first rating of a puzzle from its proof: longer lines, a quiet first move, more
    // moves to choose from and a larger search make it harder.
    static int FirstRating(int solver_moves, bool quiet_start, int moves, std::int64_t nodes);

    void StopWhen(const std::atomic<bool>* stop) { stop_ = stop; }
    std::int64_t Nodes() const { return nodes_; }

private:
    int Value(const Position& position, Side side, int depth, int alpha, int beta);
    Move BestReply(const Position& position, Side side);

    ProofSettings settings_;
    std::int64_t nodes_ = 0;
    const std::atomic<bool>* stop_ = nullptr;
};

// Pieces of `side` minus the opponent's.
int Material(const Position& position, Side side);

}  // namespace circumvia
