// The review's alpha-beta. Values are fail-soft: a node returns its best child's value
// even outside the window, so a bound is as tight as the search found it. A value is
// remembered with its bound, the depth left and the entering penalty, and reused only for
// the same three, so reuse never changes a value.
#include "model/analysis/analysis_search.h"

#include <algorithm>
#include <span>
#include <vector>

#include "model/tjeu.h"

namespace circumvia {

namespace {

// Order of the moves tried: the remembered best, captures, killers, then by history.
constexpr int kRememberedRank = 1 << 30;
constexpr int kCaptureRank = 1 << 29;
constexpr int kKillerRank = 1 << 28;

// How often (in nodes) the search looks at the cancel flag.
constexpr std::int64_t kCancelPollMask = 4095;

int LeafScore(int evaluation, Penalty penalty) {
    return static_cast<int>(std::max<Penalty>(Penalty{evaluation} - penalty, kLossScore));
}

// The most the leaf `child`, reached by a move of `side` with this penalty, can be worth
// to `side`: its score for the side to move there is its evaluation less the penalty.
Penalty LeafValueBound(const PackedBoard& child, Side side, Penalty penalty) {
    if (child.pieces[Opponent(side)] == 0) return kWinScore;
    const int sign = side == kWhite ? -1 : 1;
    return penalty + sign * RedMinusWhiteWithoutThreats(child) + ThreatValueRange(child);
}

}  // namespace

AnalysisSearch::AnalysisSearch() = default;

void AnalysisSearch::SetRecord(const GameRecord& record, int count) {
    repetitions_.Fill(record, count);
}

void AnalysisSearch::AdvanceRecord(const GameRecord& record, int count) {
    repetitions_.Advance(record, count);
}

bool AnalysisSearch::Cancelled() {
    if ((Nodes & kCancelPollMask) == 0 && cancel_ && cancel_->load(std::memory_order_relaxed)) {
        stopped_ = true;
    }
    return stopped_;
}

int AnalysisSearch::Generate(const PackedBoard& board, Side side, Penalty penalty, bool leaves,
                             Level& level) const {
    int count = 0;
    board.ForEachMove(side, [&](Move move, PositionKey key) {
        if (leaves) evaluations_.Prefetch(key);
        penalty += repetitions_.Count(key);
        level.moves[static_cast<std::size_t>(count)] = move;
        level.penalties[static_cast<std::size_t>(count)] = penalty;
        ++count;
        return true;
    });
    return count;
}

void AnalysisSearch::RankMoves(const PackedBoard& board, Side side, int count, Move remembered,
                               Level& level) {
    const CellMask enemy = board.pieces[Opponent(side)];
    for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
        const Move move = level.moves[i];
        int rank = history_[move.From][move.To];
        if (move == remembered) {
            rank = kRememberedRank;
        } else if ((enemy & CellBit(move.To)) != 0) {
            rank += kCaptureRank;
        } else if (move == level.killers[0] || move == level.killers[1]) {
            rank += kKillerRank;
        }
        level.order[i] = rank;
    }
}

void AnalysisSearch::RememberCut(Move move, int level, int remaining) {
    Level& at = levels_[static_cast<std::size_t>(level)];
    if (at.killers[0] != move) {
        at.killers[1] = at.killers[0];
        at.killers[0] = move;
    }
    // Kept below the killers' rank, so the ranks never mix.
    int& history = history_[move.From][move.To];
    history = std::min(history + (remaining + 1) * (remaining + 1), kKillerRank / 2);
}

int AnalysisSearch::Value(const PackedBoard& board, Side side, int level, Penalty penalty,
                          int alpha, int beta) {
    ++Nodes;
    if (Cancelled()) return 0;
    if (level > depth_) return LeafScore(evaluations_.Evaluate(board, side), penalty);
    memory_.Prefetch(board.key, side);  // on its way while the moves are made
    Level& here = levels_[static_cast<std::size_t>(level)];
    const int count = Generate(board, side, penalty, level == depth_, here);
    if (count == 0) return evaluations_.Evaluate(board, side);

    // Step 1. What is remembered of this node: a value that answers the window, or at
    // least the move to try first.
    const int remaining = depth_ - level;
    Move remembered;
    const NodeMemory* memory = memory_.Find(board.key, side);
    if (memory && memory->generation == memory_.Generation()) {
        remembered = memory->best;
        if (memory->remaining == remaining && memory->penalty == penalty) {
            const int v = memory->value;
            if (memory->bound == Bound::kExact) return v;
            if (memory->bound == Bound::kLower && v >= beta) return v;
            if (memory->bound == Bound::kUpper && v <= alpha) return v;
        }
    }
    RankMoves(board, side, count, remembered, here);

    // Step 2. The moves, best-ranked first (picked one at a time: most nodes cut early).
    const int original_alpha = alpha;
    const Side opponent = Opponent(side);
    int best_value = kLossScore;
    Move best_move;
    for (std::size_t tried = 0; tried < static_cast<std::size_t>(count); ++tried) {
        const auto first = here.order.begin() + static_cast<std::ptrdiff_t>(tried);
        const auto pick = std::max_element(first, here.order.begin() + count);
        const auto i = static_cast<std::size_t>(pick - here.order.begin());
        std::iter_swap(first, pick);
        std::swap(here.moves[tried], here.moves[i]);
        std::swap(here.penalties[tried], here.penalties[i]);
        const Move move = here.moves[tried];
        PackedBoard child = board;
        child.Apply(move, side);
        const Penalty child_penalty = here.penalties[tried];
        // A leaf that cannot beat the best so far, whatever its threats, needs no evaluation.
        if (level == depth_ && !best_move.IsNull() &&
            LeafValueBound(child, side, child_penalty) <= best_value) {
            continue;
        }
        // After the first move, a null window only asks whether a move beats the best; the
        // few that do are searched again for their value.
        int value = 0;
        if (best_move.IsNull() || level == depth_) {
            value = -Value(child, opponent, level + 1, child_penalty, -beta, -alpha);
        } else {
            value = -Value(child, opponent, level + 1, child_penalty, -alpha - 1, -alpha);
            if (value > alpha && value < beta && !stopped_) {
                value = -Value(child, opponent, level + 1, child_penalty, -beta, -alpha);
            }
        }
        if (stopped_) return 0;
        if (best_move.IsNull() || value > best_value) {
            best_value = value;
            best_move = move;
        }
        alpha = std::max(alpha, value);
        if (alpha >= beta) {
            RememberCut(move, level, remaining);
            break;
        }
    }

    // Step 3. Remember the value with what it is: exact, or a bound outside the window.
    const Bound bound = best_value <= original_alpha ? Bound::kUpper
                        : best_value >= beta         ? Bound::kLower
                                                     : Bound::kExact;
    memory_.Store(NodeMemory{.key = board.key,
                             .penalty = penalty,
                             .value = best_value,
                             .best = best_move,
                             .side = static_cast<std::uint8_t>(side),
                             .remaining = static_cast<std::int8_t>(remaining),
                             .bound = bound});
    return best_value;
}

int AnalysisSearch::RootMoveValue(const PackedBoard& board, Side side, int i, int alpha, int beta) {
    const Level& root = levels_[0];
    const auto index = static_cast<std::size_t>(i);
    PackedBoard child = board;
    child.Apply(root.moves[index], side);
    return -Value(child, Opponent(side), 1, root.penalties[index], -beta, -alpha);
}

std::optional<int> AnalysisSearch::RulesValue(const PackedBoard& board, Side side, int i) const {
    const Move move = levels_[0].moves[static_cast<std::size_t>(i)];
    if (board.LeavesNoEnemy(move, side)) return std::nullopt;  // a win comes first
    if (root_drawn_) return 0;
    if (!replies_drawn_) return std::nullopt;
    PackedBoard child = board;
    child.Apply(move, side);
    if (repetitions_.Count(child.key) < kRepetitionsForDraw) return std::nullopt;
    const Side opponent = Opponent(side);
    bool takes_last = false;
    child.ForEachMove(opponent, [&](Move reply, PositionKey) {
        takes_last = child.LeavesNoEnemy(reply, opponent);
        return !takes_last;
    });
    return takes_last ? kLossScore : 0;
}

int AnalysisSearch::MovesToEnd(const PackedBoard& board, Side side, int i, int decisive) {
    const int depth = depth_;
    int at = depth;
    for (int d = 0; d < depth && !stopped_; ++d) {
        depth_ = d;
        if (RootMoveValue(board, side, i, kLossScore, kWinScore) == decisive) {
            at = d;
            break;
        }
    }
    depth_ = depth;
    // Levels 0..d expand: a win found at d ends by move d + 1, the winner's (d + 2) / 2-th.
    return at / 2 + 1;
}

bool AnalysisSearch::Analyse(const Position& position, Side side, Move played, int depth,
                             RootValues& out, const std::atomic<bool>* cancel, int number) {
    // Step 1. The root moves with their penalties, in the rules' order, and what the
    // moves alone tell: forced, a win at hand, a draw by the rules. The root's moves stay in
    // the rules' order (deeper levels reorder their own), so their penalties stay where they
    // belong.
    out = RootValues{};
    Nodes = 0;
    // Nothing of earlier positions is used, not even as a hint: the same position always
    // gets the same answer (the same best move among equals), on whichever thread.
    memory_.NewGeneration();
    cancel_ = cancel;
    stopped_ = false;
    history_ = {};
    for (Level& level : levels_) level.killers = {};
    depth = std::clamp(depth, 0, kMaxDepth);
    const PackedBoard board = PackedBoard::From(position);
    // The game ends drawn after move n (n from kFirstRepetitionMove on) when the position
    // before it was seen kRepetitionsForDraw times before (Tjeu::EndTest).
    root_drawn_ =
        number >= kFirstRepetitionMove && repetitions_.Count(board.key) >= kRepetitionsForDraw;
    replies_drawn_ = number > 0 && number + 1 >= kFirstRepetitionMove;
    Level& root = levels_[0];
    const int count = Generate(board, side, 0, false, root);
    if (count == 0) {
        out.value_best = out.value_played = evaluations_.Evaluate(board, side);
        return true;
    }
    out.has_moves = true;
    const auto moves = std::span(root.moves).first(static_cast<std::size_t>(count));
    out.forced = std::all_of(moves.begin(), moves.end(), [&](Move m) { return m == moves[0]; });
    const auto wins = [&](Move m) { return board.LeavesNoEnemy(m, side); };
    const auto win = std::find_if(moves.begin(), moves.end(), wins);
    const bool legal = std::find(moves.begin(), moves.end(), played) != moves.end();
    const bool played_wins = legal && wins(played);
    out.missed_win = win != moves.end() && !played_wins;
    std::vector<std::optional<int>> ruled(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) ruled[static_cast<std::size_t>(i)] = RulesValue(board, side, i);
    // Root move i's value in this window: the rules' where they end the game, else searched.
    const auto value_of = [&](int i, int alpha, int beta) {
        const std::optional<int>& rule = ruled[static_cast<std::size_t>(i)];
        return rule ? *rule : RootMoveValue(board, side, i, alpha, beta);
    };

    // Step 2. Shallower searches first: each leaves the best moves it found for the next,
    // and the root moves are tried in the order of their last values.
    std::vector<int> order(static_cast<std::size_t>(count));
    std::vector<int> values(static_cast<std::size_t>(count), kLossScore);
    for (int i = 0; i < count; ++i) order[static_cast<std::size_t>(i)] = i;
    for (int d = std::min(depth, 1); d < depth; ++d) {
        depth_ = d;
        int alpha = kLossScore;
        for (const int i : order) {
            const auto index = static_cast<std::size_t>(i);
            if (wins(moves[index])) continue;
            values[index] = value_of(i, alpha, kWinScore);
            if (stopped_) return false;
            alpha = std::max(alpha, values[index]);
        }
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return values[static_cast<std::size_t>(a)] > values[static_cast<std::size_t>(b)];
        });
    }

    // Step 3. The played move's value exactly (a move that is not legal here counts as a
    // loss), then every other move against it: only a move worth more needs an exact
    // value, and gets one, the window's top being a win.
    depth_ = depth;
    out.best = played;
    out.value_played = played_wins ? kWinScore : kLossScore;
    int played_index = -1;
    int best_index = -1;
    for (int i = 0; i < count && !played_wins; ++i) {
        if (moves[static_cast<std::size_t>(i)] != played) continue;
        const int value = value_of(i, out.value_played, kWinScore);
        if (stopped_) return false;
        if (played_index < 0 || value > out.value_played) {
            out.value_played = value;
            played_index = i;
        }
    }
    out.value_best = out.value_played;
    best_index = played_index;
    if (win != moves.end()) {
        if (!played_wins) out.best = *win;
        out.value_best = kWinScore;
        best_index = -1;
    } else {
        bool best_known = legal;
        for (const int i : order) {
            const Move move = moves[static_cast<std::size_t>(i)];
            if (move == played) continue;
            if (best_known && out.value_best == kWinScore) break;  // nothing is worth more
            int value = value_of(i, out.value_best, out.value_best + 1);
            if (value > out.value_best || !best_known)
                value = value_of(i, out.value_best, kWinScore);
            if (stopped_) return false;
            if (value > out.value_best || !best_known) {
                out.value_best = value;
                out.best = move;
                best_index = i;
                best_known = true;
            }
        }
    }

    // Step 4. What the rules and the forced lines say of both moves.
    const auto drawn = [&](int i) { return i >= 0 && ruled[static_cast<std::size_t>(i)] == 0; };
    out.played_drawn = drawn(played_index);
    out.best_drawn = drawn(best_index);
    const auto moves_to_end = [&](int i, int value) {
        if (value != kWinScore && value != kLossScore) return 0;
        if (i < 0 || ruled[static_cast<std::size_t>(i)]) return 1;  // taken at once
        return MovesToEnd(board, side, i, value);
    };
    out.played_moves_to_end = moves_to_end(played_index, out.value_played);
    out.best_moves_to_end = best_index == played_index ? out.played_moves_to_end
                                                       : moves_to_end(best_index, out.value_best);
    return !stopped_;
}

}  // namespace circumvia
