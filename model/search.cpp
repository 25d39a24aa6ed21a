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
    frontier_.NewGeneration();
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

int SearchEngine::EvaluateLeaf(const SearchFrame& parent, Move move, SearchFrame& leaf) {
    leaf.board = parent.board;
    leaf.board.Apply(move, parent.side);
    return evaluations_.EvaluateUnknown(leaf.board, leaf.side);
}

FrontierAnswer SearchEngine::ScoreLeaves(const SearchFrame& frame, SearchFrame& leaf,
                                         Penalty penalty, int alpha, int beta, KnownLeaves& known) {
    const BoardTables& t = Tables();
    const PackedBoard& board = frame.board;
    const Side side = frame.side;
    const Side enemy = Opponent(side);
    const int sign = side == kWhite ? -1 : 1;  // turns Red's sum minus White's into the leaf's
    const CellMask empty = ~board.Occupied();
    // A leaf whose value before the penalty reaches this cuts the node off.
    const Penalty cut = Penalty{beta} - penalty;
    known = KnownLeaves{};
    Penalty repetitions = 0;  // the running total of the leaves' own repetition counts
    LeafRise best;            // the best leaf so far, its value before the penalty
    int rises = 0;
    // Scores one more leaf; false once it cuts the node off.
    const auto visit = [&](Move move, PositionKey key, bool takes_last_piece) {
        repetitions += repetitions_.Count(key);
        ++known.leaves;
        int evaluation = kLossScore;  // the leaf's side has no piece left
        if (!takes_last_piece) {
            int red_minus_white = 0;
            evaluation = evaluations_.Find(key, red_minus_white) ? -sign * red_minus_white
                                                                 : EvaluateLeaf(frame, move, leaf);
        }
        const int value = static_cast<int>(std::min<Penalty>(repetitions - evaluation, kWinScore));
        if (known.leaves == 1 || value > best.value) {
            best = LeafRise{value, static_cast<std::uint16_t>(known.leaves)};
            if (rises++ < KnownLeaves::kMaxRises) known.rises[known.rise_count++] = best;
        }
        return value < cut;
    };
    // Stopped at the leaf that reaches beta.
    const auto cut_off = [&] {
        return FrontierAnswer{known.leaves, LeafValue(best.value, penalty)};
    };
    // The moves in the rules' order: per piece its captures, then its steps.
    for (CellMask pieces = board.pieces[side]; pieces != 0; pieces &= pieces - 1) {
        const int cell = std::countr_zero(pieces) + 1;
        const auto from = static_cast<std::uint8_t>(cell);
        const PositionKey lifted =
            board.key - static_cast<PositionKey>(side) * kPowersOfThree[cell];
        for (int w = 0; w < t.walk_count[cell]; ++w) {
            const int target = board.CaptureTarget(cell, t.walks[cell][w], enemy);
            if (target == 0) continue;
            const Move capture{from, static_cast<std::uint8_t>(target)};
            const PositionKey key = lifted +
                                    static_cast<PositionKey>(side) * kPowersOfThree[target] -
                                    static_cast<PositionKey>(enemy) * kPowersOfThree[target];
            if (!visit(capture, key, board.TakesLastPiece(capture, side))) return cut_off();
        }
        for (int k = 0; k < t.neighbour_count[cell]; ++k) {
            const std::uint8_t neighbour = t.neighbours[cell][k];
            if (((empty >> (neighbour - 1)) & 1) == 0) continue;
            const PositionKey key =
                lifted + static_cast<PositionKey>(side) * kPowersOfThree[neighbour];
            if (!visit(Move{from, neighbour}, key, false)) return cut_off();
        }
    }
    // All leaves are known when all their rises had room.
    known.all = rises <= KnownLeaves::kMaxRises;
    if (known.leaves == 0) {
        // No move: the node is scored as it stands, without the penalty.
        const int score = evaluations_.Evaluate(board, side);
        known.rises[known.rise_count++] = LeafRise{score, 0};
        return {0, score};
    }
    return {known.leaves, std::max(alpha, LeafValue(best.value, penalty))};
}

int SearchEngine::SearchFrontier(int level, Move move, PositionKey key, Penalty penalty, int alpha,
                                 int beta) {
    ++Nodes;
    const SearchFrame& parent = SearchStack[level - 1];
    SearchFrame& node = SearchStack[level];
    SearchFrame& leaf = SearchStack[level + 1];
    leaf.side = Opponent(node.side);
    KnownLeaves known;
    FrontierAnswer answer;
    if (!frontier_.Find(key, node.side, known) || !known.Answer(penalty, alpha, beta, answer)) {
        // Built and scored only now, up to the leaf that cuts it off: all this visit needs.
        node.board = parent.board;
        node.board.Apply(move, parent.side);
        answer = ScoreLeaves(node, leaf, penalty, alpha, beta, known);
        frontier_.Store(key, node.side, known);
    }
    Nodes += answer.leaves;
    return answer.score;
}

void SearchEngine::Search(int level, Penalty penalty, Move& best, int& score, int alpha, int beta) {
    ++Nodes;
    const SearchFrame& frame = SearchStack[level];
    if (level > depth_) {
        score = LeafScore(frame, penalty);
        return;
    }
    const Side side = frame.side;
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
    child.side = Opponent(side);
    const bool frontier_children = level + 1 == depth_;
    while (alpha < beta && more_moves()) {
        const Move move = moves[next++];
        child.move = move;
        const PositionKey key = frame.board.KeyAfter(move, side);
        penalty += repetitions_.Count(key);
        // Only the mover keeps a piece for certain: at the root, a move that leaves the
        // opponent none wins at once.
        if (level == 0 && frame.board.LeavesNoEnemy(move, side)) {
            best = move;
            return;
        }
        int child_score = 0;
        if (frontier_children) {
            child_score = SearchFrontier(level + 1, move, key, penalty, -beta, -alpha);
        } else {
            child.board = frame.board;
            child.board.Apply(move, side);
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
