#pragma once
// Stepping through the line that punishes a marked move, on the board, without touching the
// game: each step shows the position after the next move of the line (the opponent's reply,
// the mover's answer, the reply after it) with that move ringed and the following one drawn,
// and says it; a step past the end, Escape, or any move in the record shows the game again.
// The record, the game's position and its turn never change.

#include <QString>
#include <array>
#include <string>
#include <vector>

#include "model/analysis/game_analysis.h"
#include "model/board.h"
#include "model/move.h"
#include "model/tjeu.h"

namespace circumvia::control {

class ReplyLineHost {
public:
    virtual ~ReplyLineHost() = default;

    // The board shows `position` in place of the game's: `last` the move just shown, `next`
    // the line's next move (null after the last).
    virtual void ShowLinePosition(const Position& position, Move last, Move next) = 0;
    // The board shows the game's own position again.
    virtual void ShowGamePosition() = 0;
    // Written in the status bar and said by screen readers.
    virtual void AnnounceLine(const QString& text) = 0;
};

class ReplyLineStepper {
public:
    explicit ReplyLineStepper(ReplyLineHost& host) : host_(host) {}

    // The move that made the game's current entry is marked and has a line to show.
    static bool HasLine(const Tjeu& game, const GameAnalysis& analysis);

    // The next move of the line of the move that made the current entry; past the last, the
    // game again. Says why nothing is shown when that move has no line.
    void Step(const Tjeu& game, const GameAnalysis& analysis);
    // Back to the game, if a line is shown; false when none was.
    bool Leave();
    // The record moved or changed: the board shows the game's position already, so a line
    // shown from another position is only forgotten.
    void FollowRecord(const Tjeu& game);

    bool Showing() const { return shown_ > 0; }
    // Moves of the line shown so far (0 when none), and the line's length.
    int Shown() const { return shown_; }
    int Length() const { return static_cast<int>(line_.size()); }
    // The position on the board while the line is shown.
    const Position& ShownPosition() const { return position_; }
    // What the last step said while the line is shown; empty otherwise.
    QString Said() const { return Showing() ? said_ : QString(); }

private:
    ReplyLineHost& host_;
    std::vector<Move> line_;
    std::array<std::string, 3> names_;
    int entry_ = 0;      // the record's entry the line starts from
    Position start_;     // the position there
    Position position_;  // after the moves shown
    Side mover_ = kRed;  // of the next move shown
    int shown_ = 0;
    QString said_;
};

}  // namespace circumvia::control
