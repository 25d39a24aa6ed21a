#pragma once
// The review of one recorded move: what the position before it was worth to the side that
// moved, the best move there, what the move played was worth, and its class. A pure
// function of the record, the move's number and the depth, so positions can be analysed
// in any order and on any thread.

#include <atomic>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/analysis/exact_judgement.h"
#include "model/analysis/move_class.h"
#include "model/history.h"
#include "model/move.h"

namespace circumvia {

class AnalysisSearch;

// One more move than level 5 looks ahead in the middlegame (its depth 4), in well under a
// second per position.
inline constexpr int kDefaultAnalysisDepth = 5;

// The depth a game's review searches move `number` to when asked for `depth`: `depth` or one
// less, so that every search's horizon falls on a position with Red to move. The evaluation
// of a position leans with the side to move (its threats count, the other side's wait), so
// searches whose horizons alternate between the sides make the values of consecutive
// positions swing by most of a piece in quiet play; with one parity they follow each other
// (docs/analysis.md, "Stable values").
int HorizonDepth(int depth, Side mover);

// Values are from the mover's side, in evaluation units (evaluation.h): kWinScore when the
// mover can force the opponent out of pieces within the depth, kLossScore the other way,
// and in between the computer player's score of what the search sees, repetitions of the
// record's positions already taken off.
struct MoveAnalysis {
    int number = 0;  // the record entry the move made: 1 for the first move
    Side mover = 0;
    Move played;
    Move best;  // the played move when no move is worth more
    int value_best = 0;
    int value_played = 0;
    int loss = 0;  // MoveLoss(value_best, value_played): never negative
    bool forced = false;
    bool missed_win = false;
    MoveClass move_class = MoveClass::kBest;  // MoveClassOf(*this, ...)
    // The mover's winning chance (0..1) before the move (with the best move) and after it
    // (winning_chance.h); a draw by the rules counts one half.
    double chance_before = 0;
    double chance_after = 0;
    // The rules end the game drawn by repetition after the move or its reply (the value 0).
    bool best_drawn = false;
    bool played_drawn = false;
    // For a forced result (kWinScore, kLossScore): the winner's moves to its end.
    int best_moves_to_end = 0;
    int played_moves_to_end = 0;
    // One of the moves that moved its player's winning chance most (MarkTurningPoints).
    bool turning_point = false;
    // For a mistake, a blunder or a missed win: the opponent's reply that punishes it and the
    // moves after (PunishingLine); empty otherwise.
    std::vector<Move> reply_line;
    // For an inaccuracy, a mistake, a blunder or a missed win: the best move and the moves
    // the search expects after it (BetterLine); empty otherwise.
    std::vector<Move> better_line;
    // The endgame table's values when it holds the position: then the class is the table's
    // (ExactClass) and the loss follows it (a blunder's at least the blunder threshold, none
    // for a move that keeps the result).
    std::optional<ExactJudgement> exact;

    bool operator==(const MoveAnalysis&) const = default;
};

// The class by what the move changed alone: the table's verdict where it holds the position,
// else the winning chance it lost. A forced win is a chance of 1 and a forced loss of 0, so
// throwing away a forced win or walking into a forced loss is a blunder, unless the position
// stays won (or was already lost) by more than a blunder's worth of chance: a move in a
// position already decided is judged by what it changed.
MoveClass ChangeClassOf(const MoveAnalysis& move, const ClassThresholds& thresholds);
// The class shown: forced and missed wins named as such, else ChangeClassOf.
MoveClass MoveClassOf(const MoveAnalysis& move, const ClassThresholds& thresholds);

// The number of recorded moves: entries from 1 up to the first that is not a move.
int RecordedMoveCount(const GameRecord& record);

// Move `number` (1..RecordedMoveCount) of `record` searched `depth` levels deep, with the
// repetitions counted as the computer player counts them when it makes that move. Uses
// `search`'s tables; std::nullopt when `cancel` was set meanwhile or `number` names no
// recorded move. With `table`, a move from a position it holds is judged by it (above).
// `search` goes on counting repetitions from its last call: give it the
// same unchanged record at rising numbers (a worker walking one game forwards), or call
// its SetRecord first.
std::optional<MoveAnalysis> AnalysePosition(AnalysisSearch& search, const GameRecord& record,
                                            int number, int depth,
                                            const ClassThresholds& thresholds,
                                            const std::atomic<bool>* cancel = nullptr,
                                            const endgame::EndgameTable* table = nullptr);

// The same with a search engine kept per thread (about 10 MB each, for the thread's life):
// what a thread pool maps over the move numbers.
std::optional<MoveAnalysis> AnalysePosition(const GameRecord& record, int number, int depth,
                                            const ClassThresholds& thresholds,
                                            const std::atomic<bool>* cancel = nullptr,
                                            const endgame::EndgameTable* table = nullptr);

}  // namespace circumvia
