#pragma once
// The review's search: the value of every move of a position at a fixed depth, exactly as
// the computer player's negamax would score it (the same leaves, the same repetition
// penalty running over siblings and levels, a side without moves scored as it stands, a
// move taking the last enemy piece at the root a win), but found with alpha-beta over
// its own move order: iterative deepening, the remembered best move first, then captures,
// killer moves and the history of cut-offs. Only the order changes, so only the work does.
//
// The engine owns all its tables (about 10 MB): one engine per thread, reused from
// position to position, keeps memory flat.

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>

#include "model/analysis/transposition_table.h"
#include "model/evaluation_cache.h"
#include "model/history.h"
#include "model/movegen.h"
#include "model/packed_board.h"
#include "model/repetition_table.h"
#include "model/search.h"

namespace circumvia {

// What the search finds at the root.
struct RootValues {
    Move best;             // the played move when no other move is worth more
    int value_best = 0;    // the position's value for the side to move
    int value_played = 0;  // the played move's value for the same side
    bool forced = false;   // one legal move only (repeated captures of one piece count once)
    bool missed_win = false;
    bool has_moves = false;  // false: the side had no move (values are the position's)
    // The rules end the game drawn by repetition after the move (or the reply), whatever
    // the search would have seen beyond: the value is then 0 (a loss when the reply can take
    // the mover's last piece instead).
    bool best_drawn = false;
    bool played_drawn = false;
    // For a forced win or loss: the moves of the winner to its end, 1 when the move itself
    // (or the first reply) takes the last piece; 0 otherwise.
    int best_moves_to_end = 0;
    int played_moves_to_end = 0;
};

class AnalysisSearch {
public:
    AnalysisSearch();

    // The repetition penalty counts entries 0..count-1 of `record`, as when the computer
    // player moves from entry count.
    void SetRecord(const GameRecord& record, int count);
    // The same, counting only the entries after those counted so far: `record` is the one
    // of the last SetRecord or AdvanceRecord, unchanged since (see RepetitionTable).
    void AdvanceRecord(const GameRecord& record, int count);

    // The values of `position` with `side` to move, searched `depth` levels deep (levels
    // 0..depth expand, as in SearchEngine::Run), and of `played` among its moves. Where one
    // move occurs twice (two walks capturing the same piece), its value is the better of
    // the two. Returns false, leaving `out` unspecified, when `cancel` was set meanwhile.
    // With `number`, the move's number in the counted record, the rules' draw by repetition
    // is judged at the root and the reply with the record's history (RootValues); 0 leaves
    // it to the search's penalty alone, as the computer player does.
    bool Analyse(const Position& position, Side side, Move played, int depth, RootValues& out,
                 const std::atomic<bool>* cancel = nullptr, int number = 0);

    // Positions visited by the last Analyse.
    std::int64_t Nodes = 0;

private:
    struct Level {
        std::array<Move, kMaxMoves> moves;
        std::array<Penalty, kMaxMoves> penalties;  // each move's running penalty
        std::array<int, kMaxMoves> order;          // higher is tried first
        std::array<Move, 2> killers;
    };

    // The moves in the rules' order with their running penalties from `penalty`; when the
    // moves lead to leaves, their evaluations are fetched meanwhile.
    int Generate(const PackedBoard& board, Side side, Penalty penalty, bool leaves,
                 Level& level) const;
    int Value(const PackedBoard& board, Side side, int level, Penalty penalty, int alpha, int beta);
    void RankMoves(const PackedBoard& board, Side side, int count, Move remembered, Level& level);
    void RememberCut(Move move, int level, int remaining);
    // The value of root move i of `root` searched with this window.
    int RootMoveValue(const PackedBoard& board, Side side, int i, int alpha, int beta);
    bool Cancelled();
    // The rules' value of root move i when they end the game within a move: a draw by
    // repetition (the reply's loss when it can take the last piece instead); else none.
    std::optional<int> RulesValue(const PackedBoard& board, Side side, int i) const;
    // Root move i searched at rising depths, full window, up to depth_: the first depth at
    // which its value is `decisive` (a forced win or loss), as moves to the end.
    int MovesToEnd(const PackedBoard& board, Side side, int i, int decisive);

    int depth_ = 0;
    bool root_drawn_ = false;     // any move but a win ends the game drawn
    bool replies_drawn_ = false;  // a reply to a position seen often enough ends it drawn
    const std::atomic<bool>* cancel_ = nullptr;
    bool stopped_ = false;
    std::array<Level, kSearchLevels> levels_;
    std::array<std::array<int, kCellCount + 1>, kCellCount + 1> history_{};
    RepetitionTable repetitions_;
    EvaluationCache evaluations_;
    TranspositionTable memory_;
};

}  // namespace circumvia
