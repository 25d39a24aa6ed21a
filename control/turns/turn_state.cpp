#include "control/turns/turn_state.h"

#include <QElapsedTimer>

namespace circumvia::control {

namespace {
std::uint8_t CellByte(int cell) {
    return static_cast<std::uint8_t>(cell);
}
}  // namespace

void TurnState::RequestNewGame() {
    if (loop_state_ != LoopState::ChoosingPlayers) {  // asked twice: the first turn is kept
        state_before_new_game_ = loop_state_;
        phase_before_new_game_ = turn_phase_;
    }
    loop_state_ = LoopState::ChoosingPlayers;
    turn_phase_ = kFirstPhase;
}

void TurnState::CancelNewGame() {
    if (loop_state_ != LoopState::ChoosingPlayers) return;
    loop_state_ = state_before_new_game_;
    turn_phase_ = phase_before_new_game_;
}

void TurnState::SelectPiece(int cell) {
    move_from_ = CellByte(cell);
    move_to_ = 0;
    turn_phase_ = kPieceSelected;
}

void TurnState::DropSelection() {
    ForgetSelectedCells();
    turn_phase_ = kNoSelection;
}

void TurnState::ForgetSelectedCells() {
    move_from_ = 0;
    move_to_ = 0;
}

void TurnState::BeginMove(int from, int to, std::uint32_t now) {
    move_from_ = CellByte(from);
    move_to_ = CellByte(to);
    move_start_tick_ = now;
    running_paths_ = 0;
}

void TurnState::MarkMoveUnderWay(std::uint32_t now) {
    turn_phase_ = kMoveUnderWay;
    move_start_tick_ = now;
}

void TurnState::ResumeHumanTurn() {
    loop_state_ = LoopState::HumanTurn;
    turn_phase_ = kNoSelection;
}

void TurnState::ParkForReview() {
    loop_state_ = LoopState::Reviewing;
    turn_phase_ = kFirstPhase;
}

void TurnState::ResumeAtTurnStart() {
    loop_state_ = LoopState::TurnStart;
    turn_phase_ = kFirstPhase;
}

void TurnState::ContinueOpenedGame() {
    if (loop_state_ != LoopState::GameOver) return;
    loop_state_ = LoopState::TurnStart;
    turn_phase_ = kFirstPhase;
}

void TurnState::PathEnded() {
    --running_paths_;
    if (running_paths_ <= 0) move_start_tick_ = kLongAgoTick;  // the next tick finishes
}

void TurnState::EnterTurnStart() {
    loop_state_ = LoopState::TurnStart;
    turn_phase_ = kFirstPhase;
}

void TurnState::EnterTurn(bool computer, std::uint32_t now) {
    loop_state_ = computer ? LoopState::ComputerTurn : LoopState::HumanTurn;
    turn_phase_ = kFirstPhase;
    move_start_tick_ = now;
}

void TurnState::EnterGameOver() {
    loop_state_ = LoopState::GameOver;
    turn_phase_ = kFirstPhase;
}

void TurnState::SetComputerMove(int from, int to, std::uint32_t now) {
    move_from_ = CellByte(from);
    move_to_ = CellByte(to);
    move_start_tick_ = now;
}

void TurnState::FinishMove(std::uint32_t now) {
    loop_state_ = LoopState::TurnStart;
    move_start_tick_ = now;
}

TickCounter SystemTickCounter() {
    return [] {
        static QElapsedTimer clock = [] {
            QElapsedTimer timer;
            timer.start();
            return timer;
        }();
        // Counted from a minute before the program started, so that kLongAgoTick is long
        // past from the first tick on; truncated to 32 bits like the system's counter.
        return static_cast<std::uint32_t>(clock.elapsed() + kCounterOrigin);
    };
}

}  // namespace circumvia::control
