#pragma once
// State of the turn loop, read by every handler of the main window. It changes only
// through the named operations below: the window reports what the user did (a piece
// selected, a move begun, a step through the record), the animation reports its paths,
// and the loop itself moves between turns.

#include <cstdint>
#include <functional>

namespace circumvia::control {

// The window's events are handled only in the states between Starting and Closing.
enum class LoopState : std::int32_t {
    Closing = -100,        // the window is closing: no tick runs, no event is handled
    Starting = -99,        // not ready: the first tick sets up the game
    ChoosingPlayers = -1,  // a new game was asked for; the next tick runs the set-up
    TurnStart = 0,         // the next tick decides who moves
    HumanTurn = 1,
    ComputerTurn = 2,
    Reviewing = 98,  // a game under review stands where a computer is to move: nobody plays
    GameOver = 99,
};

// The phases of a state. Every state starts at kFirstPhase; both turns end at kMoveUnderWay
// while the move's animation runs. The computer's turn goes: announce, idle ticks 1..9,
// search, idle ticks 11..19, play; the idle ticks are used only between two computers, so
// that the watcher can follow the game.
enum TurnPhase : std::uint8_t {
    kFirstPhase = 0,
    // The human's turn.
    kNoSelection = kFirstPhase,
    kPieceSelected = 1,
    // The computer's turn.
    kAnnounce = kFirstPhase,
    kFirstPauseBeforeSearch = kAnnounce + 1,
    kSearch = 10,
    kFirstPauseAfterSearch = kSearch + 1,
    kPlay = 20,
    kMoveUnderWay = 99,
};

// A move whose animation never reports its end is finished after this long.
inline constexpr std::int64_t kMoveTimeoutMs = 24000;
// Stored as the move's start tick when the last path has ended: a time long past.
inline constexpr std::uint32_t kLongAgoTick = 100;

class TurnState {
public:
    LoopState State() const { return loop_state_; }
    std::uint8_t Phase() const { return turn_phase_; }
    std::uint8_t MoveFrom() const { return move_from_; }
    std::uint8_t MoveTo() const { return move_to_; }
    std::uint32_t MoveStartTick() const { return move_start_tick_; }
    std::int32_t RunningPaths() const { return running_paths_; }
    bool Busy() const { return busy_; }
    bool IsStarting() const { return loop_state_ == LoopState::Starting; }
    // Set up and not closing: the window's commands and events are handled.
    bool IsReady() const {
        return loop_state_ != LoopState::Starting && loop_state_ != LoopState::Closing;
    }

    // The window is closing: no tick runs and no event is handled from now on.
    void Close() { loop_state_ = LoopState::Closing; }
    // New game: the next tick runs the set-up. A cancelled set-up returns to the turn as
    // it was when the new game was asked for.
    void RequestNewGame();
    void CancelNewGame();
    // A file or print dialog is open: no tick runs.
    void SetBusy(bool busy) { busy_ = busy; }

    // The human's two clicks.
    void SelectPiece(int cell);
    void DropSelection();
    // The move has been handed to PlayMove; the selection is spent.
    void ForgetSelectedCells();

    // PlayMove: the move is checked and animated, then under way until its paths end.
    void BeginMove(int from, int to, std::uint32_t now);
    void MarkMoveUnderWay(std::uint32_t now);

    // A step through the record reopened the game: the human is to move.
    void ResumeHumanTurn();
    // A game still in progress was opened after the end of another: the next tick starts
    // its turn (otherwise the loop would go on showing the old result).
    void ContinueOpenedGame();
    // A review step landed where a computer is to move, before the record's end: the loop
    // waits until a step lands elsewhere.
    void ParkForReview();
    // A review step landed at the end of a game still in progress: the next tick starts
    // the turn of whoever is to move.
    void ResumeAtTurnStart();

    // The animation's paths: when the last one ends, the next tick finishes the move.
    void PathStarted() { ++running_paths_; }
    void PathEnded();

private:
    friend class TurnLoop;  // the transitions between turns

    void EnterTurnStart();
    void EnterTurn(bool computer, std::uint32_t now);
    void EnterGameOver();
    void SetPhase(std::uint8_t phase) { turn_phase_ = phase; }
    void NextPhase() { ++turn_phase_; }
    void SetComputerMove(int from, int to, std::uint32_t now);
    void FinishMove(std::uint32_t now);

    LoopState loop_state_ = LoopState::Starting;
    std::uint8_t turn_phase_ = kFirstPhase;
    std::uint8_t move_from_ = 0;
    std::uint8_t move_to_ = 0;
    std::uint32_t move_start_tick_ = 0;
    std::int32_t running_paths_ = 0;
    bool busy_ = false;
    LoopState state_before_new_game_ = LoopState::TurnStart;
    std::uint8_t phase_before_new_game_ = kFirstPhase;
};

// Sets Busy for its lifetime, so that every way out of a dialog (an exception included)
// clears it again; a scope inside another one leaves Busy as the outer one set it.
class BusyScope {
public:
    explicit BusyScope(TurnState& turn) : turn_(turn), was_busy_(turn.Busy()) {
        turn_.SetBusy(true);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;
    ~BusyScope() { turn_.SetBusy(was_busy_); }

private:
    TurnState& turn_;
    bool was_busy_;
};

// The system's millisecond tick counter (32 bits, wrapping); replaceable in tests.
using TickCounter = std::function<std::uint32_t()>;
inline constexpr std::int64_t kCounterOrigin = 60000;
TickCounter SystemTickCounter();

// now - start as a signed 64-bit difference, the stored start taken as signed.
constexpr std::int64_t ElapsedMs(std::uint32_t now, std::uint32_t start) {
    return static_cast<std::int64_t>(now) -
           static_cast<std::int64_t>(static_cast<std::int32_t>(start));
}

// A negative difference never counts as expired.
constexpr bool MoveTimedOut(std::uint32_t now, std::uint32_t start) {
    return ElapsedMs(now, start) > kMoveTimeoutMs;
}

}  // namespace circumvia::control
