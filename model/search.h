#pragma once
// The computer player's search: depth-limited negamax with alpha-beta pruning over the
// moves in the rules' order, scored by Evaluate, with a running repetition penalty. Ties
// keep the earlier move, and what the engine remembers (evaluations, what the leaves of a
// frontier node come to, nodes met again with the same window) only spares work: it never
// changes a score or a count. So a position, side, record and depth determine both the
// chosen move and the number of positions visited, every one counted as if visited.
//
// All working storage lives in the engine: a search allocates nothing.

#include <array>
#include <atomic>
#include <cstdint>

#include "board.h"
#include "evaluation_cache.h"
#include "frontier_table.h"
#include "history.h"
#include "move.h"
#include "movegen.h"
#include "packed_board.h"
#include "repetition_table.h"
#include "window_table.h"

namespace circumvia {

// Frames 0..Depth+1 are used, so Depth may not exceed 19.
inline constexpr int kSearchLevels = 21;
inline constexpr int kMaxDepth = kSearchLevels - 2;

struct SearchFrame {
    // The position reached at this level. At the last two levels it is written only when
    // the work cannot be answered from what is remembered from earlier in the search.
    PackedBoard board;
    Move move;      // the move that led to it
    Side side = 0;  // the side to move at this level

    Position Cells() const { return board.ToPosition(); }
};

class SearchEngine {
public:
    std::array<SearchFrame, kSearchLevels> SearchStack;
    Side RootSide = 0;
    // Positions visited by the last search: every entry into Search (root, inner, leaf).
    std::int64_t Nodes = 0;
    // The move the last Run chose; the null move when it found none (or after SetRoot).
    Move Chosen;

    // Clears every frame, puts `position` with `side` to move at level 0 and makes `side`
    // the root side; Nodes and Chosen start afresh.
    void SetRoot(const Position& position, Side side);
    // The repetition penalty counts entries 0..current-1 of `record`. What was kept of
    // earlier searches' nodes is forgotten with the old record; evaluations are kept.
    void SetRecord(const GameRecord& record, int current);

    // Search(0, 0, best, score, loss, win) at `depth` (clamped to 0..kMaxDepth) with the
    // node count started afresh. `best` is left as it is when no move beats the loss score.
    void Run(int depth, Move& best, int& score);

    // One node: level L expands while L <= depth, deeper levels are evaluated. At level 0 a
    // move that takes the opponent's last piece is chosen at once, without searching it.
    // A node below the root met again with the same window is answered from the first time.
    void Search(int level, Penalty penalty, Move& best, int& score, int alpha, int beta);

    // The search's RepetitionCount: entries of the record (as set) holding this position.
    int RepetitionCount(const PackedBoard& board) const { return repetitions_.Count(board.key); }

    // Every move of the level-0 side in the level-0 position, in the rules' order.
    int RootMoves(std::array<Move, kMaxMoves>& out) const;

    // A search run on another thread ends soon after `stop` becomes true; its move then
    // means nothing, and neither does what the engine keeps of that search. Null: never.
    void StopWhen(const std::atomic<bool>* stop) { stop_ = stop; }
    const std::atomic<bool>* StopFlag() const { return stop_; }

private:
    // Search's own work: the node's moves, each searched in turn.
    void Expand(int level, Penalty penalty, Move& best, int& score, int alpha, int beta);
    int LeafScore(const SearchFrame& frame, Penalty penalty);
    // Evaluate of a leaf whose evaluation is not remembered.
    [[gnu::noinline]] int EvaluateLeaf(const SearchFrame& leaf);
    // The leaves of a frontier node (its children are leaves) entered with this window
    // and penalty, in order, up to the one that cuts it off: what it returns, and what is
    // then known of its leaves. They are scored in place, mostly from the evaluations
    // remembered, without building their boards.
    FrontierAnswer ScoreLeaves(const SearchFrame& frame, SearchFrame& leaf, Penalty penalty,
                               int alpha, int beta, KnownLeaves& known);
    // The frontier node at `level` reached by `move` (its position has this key), counted
    // as Search counts it; returns its score. Answered from what is kept of its leaves when
    // that tells; otherwise visited.
    int SearchFrontier(int level, Move move, PositionKey key, Penalty penalty, int alpha, int beta);
    // Builds the frontier node's board and scores its leaves, up to the one that cuts it
    // off: all this visit needs. Keeps what is then known of them.
    [[gnu::noinline]] FrontierAnswer VisitFrontier(int level, Move move, PositionKey key,
                                                   Penalty penalty, int alpha, int beta);

    bool StopRequested() const {
        return stop_ != nullptr && stop_->load(std::memory_order_relaxed);
    }

    int depth_ = 0;
    const std::atomic<bool>* stop_ = nullptr;
    RepetitionTable repetitions_;
    EvaluationCache evaluations_;
    FrontierTable frontier_;
    WindowTable windows_;
};

}  // namespace circumvia
