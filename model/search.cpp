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

int SearchEngine::EvaluateLeaf(const SearchFrame& parent, Move move, Penalty penalty,
                               SearchFrame& leaf) {
    leaf.board = parent.board;
    leaf.board.Apply(move, parent.side);
    return LeafScore(leaf, penalty);
}

void SearchEngine::SearchFrontier(int level, Penalty penalty, Move& best, int& score, int alpha,
                                  int beta) {
    const BoardTables& t = Tables();
    const SearchFrame& frame = SearchStack[level];
    const PackedBoard& board = frame.board;
    const Side side = frame.side;
    const Side enemy = Opponent(side);
    SearchFrame& leaf = SearchStack[level + 1];
    leaf.side = enemy;
    const int sign = side == kWhite ? -1 : 1;  // a leaf's score is the negated evaluation
    const CellMask empty = ~board.Occupied();
    std::int64_t leaves = 0;
    // One leaf, counted as its own Search call would count it.
    const auto visit = [&](Move move, PositionKey key, bool takes_last_piece) {
        penalty += repetitions_.Count(key);
        ++leaves;
        int leaf_score = 0;
        int red_minus_white = 0;
        if (takes_last_piece) {
            leaf_score = PenalisedScore(kLossScore, penalty);
        } else if (evaluations_.Find(key, red_minus_white)) {
            leaf_score = PenalisedScore(-sign * red_minus_white, penalty);
        } else {
            leaf_score = EvaluateLeaf(frame, move, penalty, leaf);
        }
        const int value = -leaf_score;
        if (value > alpha) {
            alpha = value;
            best = move;
        }
        leaf.move = move;
    };
    // The moves in the rules' order, made one by one so that a cut-off piece makes none.
    for (CellMask pieces = board.pieces[side]; pieces != 0 && alpha < beta; pieces &= pieces - 1) {
        const int cell = std::countr_zero(pieces) + 1;
        const auto from = static_cast<std::uint8_t>(cell);
        const PositionKey lifted =
            board.key - static_cast<PositionKey>(side) * kPowersOfThree[cell];
        for (int w = 0; w < t.walk_count[cell] && alpha < beta; ++w) {
            const int target = board.CaptureTarget(cell, t.walks[cell][w], enemy);
            if (target == 0) continue;
            const PositionKey key = lifted +
                                    static_cast<PositionKey>(side) * kPowersOfThree[target] -
                                    static_cast<PositionKey>(enemy) * kPowersOfThree[target];
            visit(Move{from, static_cast<std::uint8_t>(target)}, key,
                  board.pieces[enemy] == CellBit(target));
        }
        for (int k = 0; k < t.neighbour_count[cell] && alpha < beta; ++k) {
            const std::uint8_t neighbour = t.neighbours[cell][k];
            if (((empty >> (neighbour - 1)) & 1) == 0) continue;
            visit(Move{from, neighbour},
                  lifted + static_cast<PositionKey>(side) * kPowersOfThree[neighbour], false);
        }
    }
    Nodes += leaves;
    if (leaves == 0) {
        score = evaluations_.Evaluate(board, side);
        return;
    }
    score = alpha;
}

void SearchEngine::Search(int level, Penalty penalty, Move& best, int& score, int alpha, int beta) {
    ++Nodes;
    const SearchFrame& frame = SearchStack[level];
    if (level > depth_) {
        score = LeafScore(frame, penalty);
        return;
    }
    if (level == depth_ && level > 0) {
        SearchFrontier(level, penalty, best, score, alpha, beta);
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
    while (alpha < beta && more_moves()) {
        const Move move = moves[next++];
        child.move = move;
        int child_score = 0;
        child.board = frame.board;
        child.board.Apply(move, side);
        penalty += repetitions_.Count(child.board.key);
        if (level == 0 && Evaluate(child.board, RootSide) == kWinScore) {
            best = move;
            return;
        }
        Move child_best;
        Search(level + 1, penalty, child_best, child_score, -beta, -alpha);
        const int value = -child_score;
        if (value > alpha) {
            alpha = value;
            best = move;
        }
        score = alpha;
    }
}

}  // namespace circumvia
