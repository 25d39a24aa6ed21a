#pragma once
// State of the turn loop, read by every handler of the main window.

#include <cstdint>
#include <functional>

namespace circumvia::control {

enum class LoopState : std::int32_t {
    Starting = -99,  // not ready (before the first tick and while closing): handlers ignore events
    ChoosingPlayers = -1,  // a new game was asked for; the next tick runs the set-up
    TurnStart = 0,         // the next tick decides who moves
    HumanTurn = 1,
    ComputerTurn = 2,
    GameOver = 99,
};

// TurnPhase values shared by both turns.
inline constexpr std::uint8_t kNoSelection = 0;
inline constexpr std::uint8_t kPieceSelected = 1;
inline constexpr std::uint8_t kMoveUnderWay = 99;

// A move whose animation never reports its end is finished after this long.
inline constexpr std::int64_t kMoveTimeoutMs = 24000;
// Stored as MoveStartTick when the last path has ended: a time long past.
inline constexpr std::uint32_t kLongAgoTick = 100;

struct TurnState {
    LoopState loopState = LoopState::Starting;
    std::uint8_t turnPhase = 0;
    std::uint8_t moveFrom = 0;
    std::uint8_t moveTo = 0;
    std::uint32_t moveStartTick = 0;
    std::int32_t runningPaths = 0;
    bool busy = false;

    bool IsStarting() const { return loopState == LoopState::Starting; }
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
