#include "model/puzzles/puzzle_proof.h"

#include <algorithm>
#include <cmath>

#include "model/movegen.h"
#include "model/puzzles/puzzle_rating.h"

namespace circumvia {

namespace {

constexpr int kBeyond = kPuzzleWin + 1;

// Captures first: they decide most positions, so alpha-beta cuts sooner. Within each
// kind the rules' order, and one move met twice (two walks to one victim) kept once.
MoveList OrderedMoves(const Position& position, Side side) {
    MoveList all;
    GenerateAllMoves(position, side, all);
    MoveList ordered;
    const Side enemy = Opponent(side);
    for (int pass = 0; pass < 2; ++pass) {
        for (const Move& move : all) {
            const bool capture = position[move.To] == enemy;
            if (capture != (pass == 0)) continue;
            if (std::find(ordered.begin(), ordered.end(), move) != ordered.end()) continue;
            ordered.push_back(move);
        }
    }
    return ordered;
}

Position After(Position position, Move move) {
    ApplyMoveTo(position, move);
    return position;
}

bool Eliminated(const Position& position, Side side) {
    return position.Count(static_cast<std::uint8_t>(side)) == 0;
}

}  // namespace

int Material(const Position& position, Side side) {
    return position.Count(static_cast<std::uint8_t>(side)) -
           position.Count(static_cast<std::uint8_t>(Opponent(side)));
}

bool RootProof::Proves(const ProofSettings& settings) const {
    if (best.IsNull()) return false;
    const bool gains = best_value == kPuzzleWin || best_value - material >= settings.gain;
    return gains && second_value <= best_value - settings.margin;
}

int PuzzleProver::Value(const Position& position, Side side, int depth, int alpha, int beta) {
    ++nodes_;
    if (depth == 0) return Material(position, side);
    if (stop_ && stop_->load(std::memory_order_relaxed)) return 0;
    const MoveList moves = OrderedMoves(position, side);
    if (moves.empty()) return 0;
    const Side enemy = Opponent(side);
    int best = -kBeyond;
    for (const Move& move : moves) {
        const Position next = After(position, move);
        const int value = Eliminated(next, enemy)
                              ? kPuzzleWin
                              : -Value(next, enemy, depth - 1, -beta, -std::max(alpha, best));
        best = std::max(best, value);
        if (best >= beta) break;
    }
    return best;
}

bool PuzzleProver::Gains(const Position& position, Side side) {
    const int target = Material(position, side) + settings_.gain;
    return Value(position, side, settings_.depth, target - 1, target) >= target;
}

RootProof PuzzleProver::Prove(const Position& position, Side side) {
    const std::int64_t nodes_before = nodes_;
    RootProof proof;
    proof.material = Material(position, side);
    const MoveList moves = OrderedMoves(position, side);
    proof.moves = static_cast<int>(moves.size());
    const Side enemy = Opponent(side);
    proof.best_value = -kBeyond;
    for (const Move& move : moves) {
        // Only values above the second best, and above best - margin, matter: a move
        // proven below both leaves the answer unique.
        const int floor = std::max(proof.second_value, proof.best_value - settings_.margin);
        const Position next = After(position, move);
        const int value = Eliminated(next, enemy)
                              ? kPuzzleWin
                              : -Value(next, enemy, settings_.depth - 1, -kBeyond, -floor);
        if (value > proof.best_value) {
            proof.second_value = proof.best_value;
            proof.best_value = value;
            proof.best = move;
        } else if (value > proof.second_value) {
            proof.second_value = value;
        }
    }
    proof.nodes = nodes_ - nodes_before;
    return proof;
}

Move PuzzleProver::BestReply(const Position& position, Side side) {
    Move reply;
    int best = -kBeyond;
    for (const Move& move : OrderedMoves(position, side)) {
        const Position next = After(position, move);
        const Side enemy = Opponent(side);
        const int value = Eliminated(next, enemy)
                              ? kPuzzleWin
                              : -Value(next, enemy, settings_.depth - 2, -kBeyond, -best);
        if (value > best) {
            best = value;
            reply = move;
        }
    }
    return reply;
}

std::optional<Puzzle> PuzzleProver::FindPuzzle(const Position& position, Side side) {
    const RootProof first = Prove(position, side);
    if (!first.Proves(settings_)) return std::nullopt;
    Puzzle puzzle;
    puzzle.position = position;
    puzzle.side = side;
    puzzle.line.push_back(first.best);
    std::int64_t nodes = first.nodes;
    Position current = After(position, first.best);
    while (puzzle.SolverMoves() < settings_.max_solver_moves &&
           !Eliminated(current, Opponent(side))) {
        const Move reply = BestReply(current, Opponent(side));
        if (reply.IsNull()) break;
        const Position defended = After(current, reply);
        if (Eliminated(defended, side)) break;
        const RootProof next = Prove(defended, side);
        if (!next.Proves(settings_)) break;
        puzzle.line.push_back(reply);
        puzzle.line.push_back(next.best);
        nodes += next.nodes;
        current = After(defended, next.best);
    }
    const bool quiet_start = position[first.best.To] == kEmpty;
    puzzle.rating = FirstRating(puzzle.SolverMoves(), quiet_start, first.moves, nodes);
    return puzzle;
}

std::string PuzzleProver::Check(const Puzzle& puzzle) {
    Position current = puzzle.position;
    for (std::size_t i = 0; i < puzzle.line.size(); ++i) {
        const Move move = puzzle.line[i];
        if (i % 2 == 0) {
            const RootProof proof = Prove(current, puzzle.side);
            const std::string where =
                "solver move " + std::to_string(i / 2 + 1) + " (" + CompactMoveText(move) + "): ";
            if (proof.best != move) {
                return where + "the search prefers " + CompactMoveText(proof.best);
            }
            if (!proof.Proves(settings_)) {
                return where + (proof.second_value > proof.best_value - settings_.margin
                                    ? "another move is nearly as good"
                                    : "it gains too little");
            }
        }
        current = After(current, move);
    }
    return {};
}

int PuzzleProver::FirstRating(int solver_moves, bool quiet_start, int moves, std::int64_t nodes) {
    const double search = std::log2(std::max<double>(1.0, static_cast<double>(nodes) / 1000.0));
    const double rating = 800.0 + 250.0 * (solver_moves - 1) + (quiet_start ? 300.0 : 0.0) +
                          8.0 * moves + 60.0 * search;
    return std::clamp(static_cast<int>(std::lround(rating)), kLowestPuzzleRating,
                      kHighestFirstRating);
}

}  // namespace circumvia
