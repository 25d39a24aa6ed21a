// The negamax search of the computer player. Call chain of one run:
//
//   Run ─ Search(0) ─ Expand ──┬─ Search(level + 1)        inner nodes: the window table
//                              │    └─ Expand ...          answers nodes met again with
//                              │                           the same window and penalty
//                              └─ SearchFrontier           children one ply above the leaves
//                                   └─ VisitFrontier       when the frontier table has no answer
//                                        └─ ScoreLeaves    every leaf in one loop, evaluated
//                                                          through the evaluation cache
//
// Scores are from the side to move; repetitions met on the way add a penalty. The tables
// only ever answer with what a full search would find, so moves and node counts are exactly
// those of the plain search.
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
    // What the tables keep of nodes holds for the repetition counts it was found with.
    frontier_.NewGeneration();
    windows_.NewGeneration();
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

int SearchEngine::EvaluateLeaf(const SearchFrame& leaf) {
    return evaluations_.EvaluateUnknown(leaf.board, leaf.side);
}

FrontierAnswer SearchEngine::ScoreLeaves(const SearchFrame& frame, SearchFrame& leaf,
                                         Penalty penalty, int alpha, int beta, KnownLeaves& known) {
    const PackedBoard& board = frame.board;
    const Side side = frame.side;
    // Step 1. What every leaf is measured against.
    const int sign = side == kWhite ? -1 : 1;  // turns Red's sum minus White's into the leaf's
    // A leaf whose value before the penalty reaches this cuts the node off.
    const Penalty cut = Penalty{beta} - penalty;
    known = KnownLeaves{};
    Penalty repetitions = 0;  // the running total of the leaves' own repetition counts
    int leaves = 0;
    int best = 0;  // the best leaf value so far, before the penalty
    bool every_rise_kept = true;
    // Step 2. Every leaf in move order: skip those that cannot matter, evaluate the rest,
    // keep each rise of the best value for the frontier table, stop at a cut.
    const auto fetch = [this](PositionKey key) { evaluations_.Prefetch(key); };
    const bool all = board.ForEachMoveFetchingAhead(side, fetch, [&](Move move, PositionKey key) {
        repetitions += repetitions_.Count(key);
        ++leaves;
        int evaluation = kLossScore;  // the leaf's side has no piece left
        if (!board.TakesLastPiece(move, side)) {
            leaf.board = board;
            leaf.board.Apply(move, side);
            // Most leaves neither raise the best value nor cut the node off, and the most
            // their value can be shows it without evaluating them.
            const Penalty most = repetitions + sign * RedMinusWhiteWithoutThreats(leaf.board) +
                                 ThreatValueRange(leaf.board);
            if (leaves > 1 && most <= best && most < cut) return true;
            int red_minus_white = 0;
            evaluation = evaluations_.Find(key, red_minus_white) ? -sign * red_minus_white
                                                                 : EvaluateLeaf(leaf);
        }
        const int value = static_cast<int>(std::min<Penalty>(repetitions - evaluation, kWinScore));
        if (leaves == 1 || value > best) {
            best = value;
            every_rise_kept = every_rise_kept && known.AddRise(value, leaves);
        }
        return value < cut;
    });
    // Step 3. The node's answer: cut off, without moves, or complete.
    if (!all) return {leaves, LeafValue(best, penalty)};  // cut off by the last leaf
    if (leaves == 0) {
        // No move: the node is scored as it stands, without the penalty.
        const int score = evaluations_.Evaluate(board, side);
        if (known.AddRise(score, 0)) known.Complete(0);
        return {0, score};
    }
    if (every_rise_kept) known.Complete(leaves);
    return {leaves, std::max(alpha, LeafValue(best, penalty))};
}

FrontierAnswer SearchEngine::VisitFrontier(int level, Move move, PositionKey key, Penalty penalty,
                                           int alpha, int beta) {
    const SearchFrame& parent = SearchStack[level - 1];
    SearchFrame& node = SearchStack[level];
    node.board = parent.board;
    node.board.Apply(move, parent.side);
    KnownLeaves known;
    const FrontierAnswer answer =
        ScoreLeaves(node, SearchStack[level + 1], penalty, alpha, beta, known);
    frontier_.Store(key, node.side, known);
    return answer;
}

int SearchEngine::SearchFrontier(int level, Move move, PositionKey key, Penalty penalty, int alpha,
                                 int beta) {
    ++Nodes;
    const Side side = SearchStack[level].side;
    SearchStack[level + 1].side = Opponent(side);
    FrontierAnswer answer;
    if (!frontier_.Answer(key, side, penalty, alpha, beta, answer)) {
        answer = VisitFrontier(level, move, key, penalty, alpha, beta);
    }
    Nodes += answer.leaves;
    return answer.score;
}

void SearchEngine::Search(int level, Penalty penalty, Move& best, int& score, int alpha, int beta) {
    if (level == 0 || level > depth_) {
        Expand(level, penalty, best, score, alpha, beta);
        return;
    }
    const SearchFrame& frame = SearchStack[level];
    const SearchedWindow window{frame.board.key, frame.side, depth_ - level, alpha, beta, penalty};
    WindowResult result;
    if (windows_.Find(window, result)) {
        Nodes += result.nodes;
        score = result.score;
        return;
    }
    const std::int64_t before = Nodes;
    Expand(level, penalty, best, score, alpha, beta);
    windows_.Store(window, WindowResult{Nodes - before, score});
}

void SearchEngine::Expand(int level, Penalty penalty, Move& best, int& score, int alpha, int beta) {
    // Step 1. A node below the depth is a leaf.
    ++Nodes;
    const SearchFrame& frame = SearchStack[level];
    if (level > depth_) {
        score = LeafScore(frame, penalty);
        return;
    }
    // Step 2. Each child in move order: a root move that takes the last enemy piece wins at
    // once; children one ply above the leaves go through the frontier table.
    const Side side = frame.side;
    SearchFrame& child = SearchStack[level + 1];
    child.side = Opponent(side);
    const bool frontier_children = level + 1 == depth_;
    bool any_move = false;
    const auto search_child = [&](Move move, PositionKey key) {
        if (StopRequested()) return false;
        any_move = true;
        child.move = move;
        penalty += repetitions_.Count(key);
        // Only the mover keeps a piece for certain: at the root, a move that leaves the
        // opponent none wins at once.
        if (level == 0 && frame.board.LeavesNoEnemy(move, side)) {
            best = move;
            return false;
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
        return alpha < beta;
    };
    // Step 3. Walk the moves (fetching the frontier table's buckets one move ahead); a node
    // without moves is scored as it stands.
    if (frontier_children) {
        const Side child_side = child.side;
        const auto fetch = [&](PositionKey key) { frontier_.Prefetch(key, child_side); };
        frame.board.ForEachMoveFetchingAhead(side, fetch, search_child);
    } else {
        frame.board.ForEachMove(side, search_child);
    }
    if (!any_move) score = evaluations_.Evaluate(frame.board, side);
}

}  // namespace circumvia
