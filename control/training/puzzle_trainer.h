#pragma once
// Help > Puzzles: a puzzle on the game's own board, posed at the solver's puzzle rating, or
// one of the player's own mistakes to practise. The window hands every move of the solver
// to Accepts before playing it, and asks TakeReply for the defender's move where it would
// ask the computer; the trainer keeps the ratings, the history and the practice list in
// the settings and tells the window what to show through PuzzleHost.

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "model/analysis/game_analysis.h"
#include "model/puzzles/practice_list.h"
#include "model/puzzles/puzzle_history.h"
#include "model/tjeu.h"

class QMainWindow;

namespace circumvia::control {

class PuzzleDock;
class SettingsStore;

class PuzzleHost {
public:
    virtual ~PuzzleHost() = default;
    // Puts the puzzle's game on the board: the solver plays `solver`, the puzzle answers for
    // the other side.
    virtual void SetUpPuzzle(const Tjeu& game, Side solver) = 0;
    // Rings `cells` and runs a marker along `path`'s capture on the board (none for a null
    // move); empty cells and a null move clear the marks.
    virtual void PointAt(const std::vector<int>& cells, Move path) = 0;
    // Shown in the status bar and read aloud.
    virtual void AnnouncePuzzle(const QString& text) = 0;
    // Whether a puzzle may take the board now: the window is ready, and the game on it is
    // the puzzles' or may be dropped (the player is asked when it needs saving).
    virtual bool MayPose() = 0;
};

// The puzzles compiled into the program.
const std::vector<Puzzle>& ShippedPuzzles();

class PuzzleTrainer : public QObject {
    Q_OBJECT
public:
    // `clock` gives seconds since the epoch (the practice's schedule).
    PuzzleTrainer(PuzzleHost& host, QMainWindow& window, SettingsStore& settings,
                  std::vector<Puzzle> puzzles, std::function<std::int64_t()> clock);

    // Opens the panel and poses a puzzle, or goes on with the one on the board while it is
    // not answered yet.
    void Show();
    // The next puzzle, or the next mistake due, as the panel's choice says.
    void PoseNext();
    // Counts the puzzle as failed and shows its answer.
    void GiveUp();
    // Another game took the board.
    void Leave();
    bool OnBoard() const { return on_board_; }
    // Whether a move of `side` belongs to the solver (and so goes through Accepts).
    bool IsSolver(Side side) const { return on_board_ && side == puzzle_.side; }
    bool Finished() const { return solved_; }
    // False when the move is not played: not legal, the puzzle is over, or wrong (then the
    // attempt fails and the answer is shown).
    bool Accepts(Move move);
    // The defender's scripted answer once, after the solver's move was played.
    std::optional<Move> TakeReply();
    void Relabel();

    // Adds the mistakes and blunders (missed wins too) of `sides` in `analysis` of `record`
    // to the practice list; the number added.
    int AddMistakes(const GameAnalysis& analysis, const GameRecord& record,
                    const std::vector<Side>& sides);

    PuzzleDock& Dock() { return *dock_; }
    const Puzzle& Posed() const { return puzzle_; }
    const PuzzleHistory& History() const { return history_; }
    const PracticeList& Practice() const { return practice_; }

private:
    void PosePuzzle();
    void PosePractice();
    void Pose(const Puzzle& puzzle);
    QString Heading() const;
    QString Goal() const;
    // The attempt fails: after a wrong move, or given up.
    void Failed(bool wrong_move);
    void Solved();
    void Tell(const QString& text);
    void StoreHistory();
    void StorePractice();

    PuzzleHost& host_;
    PuzzleDock* dock_;
    SettingsStore& settings_;
    std::vector<Puzzle> puzzles_;
    std::function<std::int64_t()> clock_;
    PuzzleHistory history_;
    PracticeList practice_;
    Puzzle puzzle_;                              // on the board; a mistake is a line of one move
    std::optional<std::size_t> practice_index_;  // posed from the practice list, unanswered
    std::optional<Move> practice_played_;        // posed from it: the player's own move
    std::size_t step_ = 0;                       // the next move of the line
    std::optional<Move> reply_;
    bool on_board_ = false;
    bool failed_ = false;
    bool solved_ = false;
};

}  // namespace circumvia::control
