#pragma once
// The Expert level's search: alpha-beta by iterative deepening until its time is up, with a
// transposition table, the best move of the last iteration and the moves that cut off
// searched first, and the captures followed to the end at the horizon. Positions the
// endgame table holds are valued exactly, and at the root it plays from the table: the
// shortest win, the longest loss. Every position already seen in the game, or on the way
// to the node, counts as a draw, so a side that is winning never goes back to one.

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/endgame/endgame_table.h"
#include "model/history.h"
#include "model/move.h"
#include "model/packed_board.h"

namespace circumvia::expert {

struct ExpertLimits {
    std::chrono::milliseconds time{1000};
    int max_depth = 64;
    const std::atomic<bool>* stop = nullptr;  // ends the search at once when it becomes true
};

class ExpertSearch {
public:
    // `table` may be null: then the search alone decides.
    explicit ExpertSearch(std::shared_ptr<const endgame::EndgameTable> table);
    ~ExpertSearch();

    // The move for `side`; entries 0..current of `record` are the game so far, the last of
    // them being `position`. The null move when the side has no move.
    Move Choose(const Position& position, Side side, const GameRecord& record, int current,
                const ExpertLimits& limits);

    int CompletedDepth() const { return completed_depth_; }
    std::int64_t Nodes() const { return nodes_; }

private:
    struct TableEntry;
    int Search(const PackedBoard& board, Side side, int depth, int ply, int alpha, int beta);
    // Captures only, `chain` of them since the horizon.
    int Quiesce(const PackedBoard& board, Side side, int ply, int chain, int alpha, int beta);
    bool Exact(const PackedBoard& board, Side side, int ply, int& score) const;
    bool Seen(PositionKey key, int ply) const;
    bool OutOfTime();
    int OrderMoves(const PackedBoard& board, Side side, int ply, Move first, Move* moves) const;

    std::shared_ptr<const endgame::EndgameTable> table_;
    int table_pieces_ = 0;
    std::vector<TableEntry> entries_;
    std::vector<PositionKey> game_keys_;  // sorted
    std::vector<PositionKey> path_;       // keys of the positions on the way, by ply
    std::vector<std::array<Move, 2>> killers_;
    std::array<std::array<int, kCellCount + 1>, kCellCount + 1> history_{};
    std::chrono::steady_clock::time_point deadline_;
    const std::atomic<bool>* stop_ = nullptr;
    bool aborted_ = false;
    int completed_depth_ = 0;
    std::int64_t nodes_ = 0;
};

}  // namespace circumvia::expert
