#include "search.h"

#include <algorithm>

#include "evaluation.h"

namespace circumvia {

void SearchEngine::SetRoot(const Position& position, Side side) {
    SearchStack.fill(SearchFrame{});
    SearchStack[0].board = PackedBoard::From(position);
    SearchStack[0].side = side;
    RootSide = side;
    Nodes = 0;
    Chosen = kNullMove;
}

void SearchEngine::SetRecord(const GameRecord& record, int current) {
    repetitions_.Fill(record, current);
}

int SearchEngine::RootMoves(std::array<Move, kMaxMoves>& out) const {
    const SearchFrame& root = SearchStack[0];
    if (root.side != kRed && root.side != kWhite) return 0;
    static_assert(kMaxMoves >= kMaxMovesPerPiece * kCellCount);
    return root.board.GenerateMoves(root.side, out.data());
}

void SearchEngine::Run(int depth, Move& best, int& score) {
    depth_ = std::clamp(depth, 0, kMaxDepth);
    Nodes = 0;
    Search(0, 0, best, score, kLossScore, kWinScore);
    Chosen = best;
}

namespace {

// Evaluate minus the penalty, kept inside the score range so that negating it is safe.
int PenalisedScore(int evaluation, Penalty penalty) {
    return static_cast<int>(std::max<Penalty>(Penalty{evaluation} - penalty, kLossScore));
}

}  // namespace

int SearchEngine::LeafScore(const SearchFrame& frame, Penalty penalty) {
    return PenalisedScore(evaluations_.Evaluate(frame.board, frame.side), penalty);
}

int SearchEngine::LeafAfter(const SearchFrame& parent, Move move, PositionKey key, Penalty penalty,
                            SearchFrame& leaf) {
    // The mover keeps its piece, so only the leaf's side can have none left.
    if (parent.board.TakesLastPiece(move, parent.side)) return PenalisedScore(kLossScore, penalty);
    int red_minus_white = 0;
    if (evaluations_.Find(key, red_minus_white)) {
        const int evaluation = leaf.side == kWhite ? -red_minus_white : red_minus_white;
        return PenalisedScore(evaluation, penalty);
    }
    leaf.board = parent.board;
    leaf.board.Apply(move, parent.side);
    return LeafScore(leaf, penalty);
}

void SearchEngine::Search(int level, Penalty penalty, Move& best, int& score, int alpha, int beta) {
    ++Nodes;
    const SearchFrame& frame = SearchStack[level];
    if (level > depth_) {
        score = LeafScore(frame, penalty);
        return;
    }
    const Side side = frame.side;
    const Side opponent = Opponent(side);
    Move* moves = piece_moves_[level].data();
    int count = 0;
    int next = 0;
    CellMask pieces_left = frame.board.pieces[side];
    // Fills the buffer with the next piece's moves once the current ones are used up.
    const auto more_moves = [&] {
        while (next == count && pieces_left != 0) {
            const int cell = std::countr_zero(pieces_left) + 1;
            pieces_left &= pieces_left - 1;
            count = frame.board.GeneratePieceMoves(cell, side, moves);
            next = 0;
        }
        return next < count;
    };
    if (!more_moves()) {
        score = evaluations_.Evaluate(frame.board, side);
        return;
    }
    SearchFrame& child = SearchStack[level + 1];
    child.side = opponent;
    // Below the root, a leaf's board is only built when its evaluation is not remembered.
    const bool leaves = level + 1 > depth_ && level > 0;
    while (alpha < beta && more_moves()) {
        const Move move = moves[next++];
        child.move = move;
        int child_score = 0;
        if (leaves) {
            const PositionKey key = frame.board.KeyAfter(move, side);
            penalty += repetitions_.Count(key);
            ++Nodes;  // the leaf's own Search call, done in place
            child_score = LeafAfter(frame, move, key, penalty, child);
        } else {
            child.board = frame.board;
            child.board.Apply(move, side);
            penalty += repetitions_.Count(child.board.key);
            if (level == 0 && Evaluate(child.board, RootSide) == kWinScore) {
                best = move;
                return;
            }
            Move child_best;
            Search(level + 1, penalty, child_best, child_score, -beta, -alpha);
        }
        const int value = -child_score;
        if (value > alpha) {
            alpha = value;
            best = move;
        }
        score = alpha;
    }
}

}  // namespace circumvia
