#pragma once
// The turn loop: a small state machine advanced by the window's 100 ms tick. It starts
// the first game, runs the set-up of a new game, hands the turn to the human or the
// computer, paces and runs the computer's search, waits for each move's animation and
// shows the result. It acts on the window only through TurnLoopHost, so tests can drive
// it tick by tick with a fake clock.

#include <array>
#include <optional>
#include <string>

#include "control/turns/turn_state.h"
#include "model/move.h"
#include "model/tjeu.h"

namespace circumvia::control {

// What the set-up dialog chose for the next game: each side's name and kind, and the side
// the die gave the first move.
struct NewGameSetup {
    std::array<Player, 3> players;  // [kRed], [kWhite], as in the game
    Side first = kRed;
};

class TurnLoopHost {
public:
    virtual ~TurnLoopHost() = default;

    virtual void PlayMove(int from, int to) = 0;
    virtual void RefreshPieces() = 0;
    virtual void UpdateNavigation() = 0;
    virtual void ShowPossibleMoves(int cell) = 0;
    virtual void StopAllMovements() = 0;
    // Drops the finished move's moving and captured pieces and their movements.
    virtual void ForgetMovePieces() = 0;
    virtual void ShowStartView() = 0;  // the view stored in the settings
    virtual void FormResize() = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    virtual void SetPanelText(int panel, const std::string& text) = 0;
    virtual void EnableTimer(bool on) = 0;
    // Shows the set-up dialog modally and, once it is confirmed, asks whether a game with
    // unsaved moves may go. Nothing when either was cancelled: the old game goes on as it
    // was, its status text shown again.
    virtual std::optional<NewGameSetup> RunPlayerSetup() = 0;
    // The new game has replaced the old one: the old one's file, unsaved mark and search are
    // forgotten.
    virtual void ForgetOldGame() {}
    // Remembers both names and kinds for the next set-up.
    virtual void StorePlayerNames() = 0;
    virtual void SetBusyCursor(bool on) = 0;
    // The move of the computer player to move. The first call starts its search, off the
    // user-interface thread; the calls that follow return nothing while it runs, then its
    // move once, which ends that search.
    virtual std::optional<Move> ComputerMove() = 0;
    // Said after the turn message while the human's selection calls for it (a piece
    // without a move); empty otherwise.
    virtual std::string SelectionNote() { return {}; }
    // Said after the turn message for the whole game (a rated game says so); empty otherwise.
    virtual std::string TurnNote() { return {}; }
    // The game has just ended (its result is set); told once per game.
    virtual void GameEnded() {}
    // Said after the result message; empty otherwise.
    virtual std::string ResultNote() { return {}; }
    // While a lesson or a puzzle is on the board: what its panel said last (the outcome, else
    // the goal), which the status line keeps in place of the turn, the computer's level or
    // the result (the other side is the lesson's, and nobody plays on once it is over);
    // empty otherwise.
    virtual std::string TrainingText() { return {}; }
    // The board shows a line of a finished or reviewed game being explored: the player moves
    // for both sides and the computer does not answer.
    virtual bool Exploring() { return false; }
};

// Panel text of a side: its last move in the record up to the current entry, as
// "k:  E 1->D 1", or empty while it has not moved.
std::string LastMoveText(const Tjeu& game, Side side);

// The result message for a finished game, in the current language.
std::string ResultText(const Tjeu& game);

// Where the board stands in the record when it shows an earlier position than the last
// recorded one: "Move 5 of 12: Lucie play E 2->D 2", or the start of the game; empty at the
// record's end, where the turn and result messages say all.
std::string RecordPlaceText(const Tjeu& game);

// "Computer: level 3" for a side the computer plays; empty for a human.
std::string ComputerLevelText(const Tjeu& game, Side side);

class TurnLoop {
public:
    TurnLoop(Tjeu& game, TurnState& turn, TurnLoopHost& host, TickCounter ticks);

    void Timer1Timer();
    void FinishMove();
    // Each side's last move in its status panel, as at the start of a turn (also after a
    // game was opened, whose moves the panels would otherwise not show until the next turn).
    void ShowLastMoves();
    // A game was opened (whole or, damaged, in part): the panels and the status line show
    // its last moves and its turn (or result) at once, before any message about the file
    // holds up the ticks. The loop keeps its state, except that a game still in progress
    // opened after the end of another is played (its turn starts at the next tick).
    void ShowOpenedGame();

private:
    void FirstTick();
    void ChoosePlayers();
    void StartTurn();
    void HumanTick();
    std::string TurnText() const;  // "It's ... turn." for the side to move
    void ComputerTick();
    void TakeComputerMove();
    void WaitForMove();
    bool BothComputers() const;

    Tjeu& game_;
    TurnState& turn_;
    TurnLoopHost& host_;
    TickCounter ticks_;
    bool searching_ = false;  // a computer search was started and has not given its move
};

}  // namespace circumvia::control
