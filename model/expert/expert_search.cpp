#include "model/expert/expert_search.h"

#include <algorithm>
#include <bit>

#include "model/evaluation.h"
#include "model/movegen.h"

namespace circumvia::expert {

namespace {

constexpr int kWin = 1000000;  // less the moves to the end
constexpr int kInfinity = kWin + 1;
// A score beyond this is a known win or loss in so many moves.
constexpr int kDecided = kWin - 10000;
constexpr int kMostPlies = 128;
constexpr int kQuiescencePlies = 10;
constexpr std::size_t kTableEntries = std::size_t{1} << 18;
constexpr int kCheckEvery = 1024;

enum class Bound : std::uint8_t { None, Exact, Lower, Upper };

constexpr CellMask Bit(int cell) {
    return CellMask{1} << (cell - 1);
}

}  // namespace

struct ExpertSearch::TableEntry {
    std::uint64_t key = 0;
    std::int32_t score = 0;
    std::int8_t depth = -1;
    Bound bound = Bound::None;
    Move best;
};

ExpertSearch::ExpertSearch(std::shared_ptr<const endgame::EndgameTable> table)
    : table_(std::move(table)),
      table_pieces_(table_ ? table_->Pieces() : 0),
      entries_(kTableEntries),
      killers_(kMostPlies + 1) {}

ExpertSearch::~ExpertSearch() = default;

bool ExpertSearch::OutOfTime() {
    if (aborted_) return true;
    if (nodes_ % kCheckEvery != 0) return false;
    aborted_ = (stop_ && stop_->load(std::memory_order_relaxed)) ||
               std::chrono::steady_clock::now() >= deadline_;
    return aborted_;
}

bool ExpertSearch::Seen(PositionKey key, int ply) const {
    for (int p = ply - 2; p >= 0; p -= 2) {
        if (path_[p] == key) return true;
    }
    return std::binary_search(game_keys_.begin(), game_keys_.end(), key);
}

bool ExpertSearch::Exact(const PackedBoard& board, Side side, int ply, int& score) const {
    const int pieces = BitCount(board.Occupied());
    if (pieces > table_pieces_) return false;
    const auto value =
        table_->Probe(endgame::SidesMasks{board.pieces[side], board.pieces[Opponent(side)]});
    if (!value) return false;
    switch (value->outcome) {
        case endgame::Outcome::Win:
            score = kWin - ply - value->distance;
            break;
        case endgame::Outcome::Loss:
            score = -(kWin - ply - value->distance);
            break;
        case endgame::Outcome::Draw:
            score = 0;
            break;
    }
    return true;
}

int ExpertSearch::OrderMoves(const PackedBoard& board, Side side, int ply, Move first,
                             Move* moves) const {
    const int count = board.GenerateMoves(side, moves);
    const CellMask enemy = board.pieces[Opponent(side)];
    std::array<int, kMaxMoves> keys{};
    for (int m = 0; m < count; ++m) {
        const Move move = moves[m];
        int key = history_[move.From][move.To];
        if (enemy & Bit(move.To)) key += 1 << 24;
        if (move == killers_[ply][0] || move == killers_[ply][1]) key += 1 << 22;
        if (move == first) key = 1 << 30;
        keys[m] = key;
    }
    // Insertion sort: a few dozen moves.
    for (int i = 1; i < count; ++i) {
        const Move move = moves[i];
        const int key = keys[i];
        int j = i - 1;
        for (; j >= 0 && keys[j] < key; --j) {
            moves[j + 1] = moves[j];
            keys[j + 1] = keys[j];
        }
        moves[j + 1] = move;
        keys[j + 1] = key;
    }
    return count;
}

int ExpertSearch::Quiesce(const PackedBoard& board, Side side, int ply, int chain, int alpha,
                          int beta) {
    ++nodes_;
    if (OutOfTime()) return 0;
    int exact = 0;
    if (Exact(board, side, ply, exact)) return exact;
    int best = Evaluate(board, side);
    if (best >= beta || ply >= kMostPlies || chain >= kQuiescencePlies) return best;
    alpha = std::max(alpha, best);
    std::array<Move, kMaxMoves> moves;
    const int count = board.GenerateMoves(side, moves.data());
    const CellMask enemy = board.pieces[Opponent(side)];
    for (int m = 0; m < count; ++m) {
        if ((enemy & Bit(moves[m].To)) == 0) continue;
        if (board.TakesLastPiece(moves[m], side)) return kWin - ply - 1;
        PackedBoard child = board;
        child.Apply(moves[m], side);
        const int score = -Quiesce(child, Opponent(side), ply + 1, chain + 1, -beta, -alpha);
        if (aborted_) return 0;
        if (score > best) best = score;
        if (score > alpha) alpha = score;
        if (alpha >= beta) break;
    }
    return best;
}

int ExpertSearch::Search(const PackedBoard& board, Side side, int depth, int ply, int alpha,
                         int beta) {
    if (ply > 0 && Seen(board.key, ply)) return 0;
    int exact = 0;
    if (ply > 0 && Exact(board, side, ply, exact)) return exact;
    if (depth <= 0 || ply >= kMostPlies) return Quiesce(board, side, ply, 0, alpha, beta);
    ++nodes_;
    if (OutOfTime()) return 0;

    const std::uint64_t key = board.key * 3 + static_cast<std::uint64_t>(side);
    TableEntry& entry = entries_[key % kTableEntries];
    Move first;
    if (entry.key == key) {
        first = entry.best;
        // Scores depend on the way to the node through repetitions, so only cut-offs far
        // from a decided result are taken from the table.
        if (ply > 0 && entry.depth >= depth && std::abs(entry.score) < kDecided) {
            if (entry.bound == Bound::Exact) return entry.score;
            if (entry.bound == Bound::Lower && entry.score >= beta) return entry.score;
            if (entry.bound == Bound::Upper && entry.score <= alpha) return entry.score;
        }
    }
    std::array<Move, kMaxMoves> moves;
    const int count = OrderMoves(board, side, ply, first, moves.data());
    if (count == 0) return 0;  // no move: a draw

    const int original_alpha = alpha;
    int best = -kInfinity;
    Move best_move = moves[0];
    path_[ply] = board.key;
    for (int m = 0; m < count; ++m) {
        const Move move = moves[m];
        if (board.TakesLastPiece(move, side)) {
            best = kWin - ply - 1;
            best_move = move;
            break;
        }
        PackedBoard child = board;
        child.Apply(move, side);
        int score = 0;
        if (m == 0) {
            score = -Search(child, Opponent(side), depth - 1, ply + 1, -beta, -alpha);
        } else {
            score = -Search(child, Opponent(side), depth - 1, ply + 1, -alpha - 1, -alpha);
            if (score > alpha && score < beta && !aborted_) {
                score = -Search(child, Opponent(side), depth - 1, ply + 1, -beta, -alpha);
            }
        }
        if (aborted_) return 0;
        if (score > best) {
            best = score;
            best_move = move;
        }
        if (score > alpha) alpha = score;
        if (alpha >= beta) {
            if ((board.pieces[Opponent(side)] & Bit(move.To)) == 0) {
                killers_[ply][1] = killers_[ply][0];
                killers_[ply][0] = move;
                history_[move.From][move.To] += depth * depth;
            }
            break;
        }
    }
    entry.key = key;
    entry.score = best;
    entry.depth = static_cast<std::int8_t>(depth);
    entry.best = best_move;
    entry.bound = best <= original_alpha ? Bound::Upper
                  : best >= beta         ? Bound::Lower
                                         : Bound::Exact;
    return best;
}

Move ExpertSearch::Choose(const Position& position, Side side, const GameRecord& record,
                          int current, const ExpertLimits& limits) {
    const PackedBoard root = PackedBoard::From(position);
    if (table_) {
        const Move from_table = table_->BestMove(position, side);
        if (!from_table.IsNull()) return from_table;
    }
    game_keys_.clear();
    for (int k = 0; k < current && static_cast<std::size_t>(k) < record.size(); ++k) {
        game_keys_.push_back(record.Key(static_cast<std::size_t>(k)));
    }
    std::sort(game_keys_.begin(), game_keys_.end());
    path_.assign(kMostPlies + 1, 0);
    deadline_ = std::chrono::steady_clock::now() + limits.time;
    stop_ = limits.stop;
    aborted_ = false;
    nodes_ = 0;
    completed_depth_ = 0;

    std::array<Move, kMaxMoves> moves;
    if (root.GenerateMoves(side, moves.data()) == 0) return kNullMove;
    Move chosen = moves[0];
    for (int depth = 1; depth <= limits.max_depth; ++depth) {
        Search(root, side, depth, 0, -kInfinity, kInfinity);
        if (aborted_) break;
        const TableEntry& entry = entries_[(root.key * 3 + side) % kTableEntries];
        chosen = entry.best;
        completed_depth_ = depth;
        if (std::abs(entry.score) >= kDecided) break;  // the end is in sight either way
    }
    return chosen;
}

}  // namespace circumvia::expert
