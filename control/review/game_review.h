#pragma once
// The review of a game in the window: the analysis run off the window's thread, the
// evaluation panel, the mistake steps, the better line of a marked move, and whether every
// recorded move may be visited. The review analyses the main line: a variation on the board
// leaves that analysis as it is. It reaches the window only through GameReviewHost; the
// window forwards its events here.

#include <QObject>
#include <string>

#include "control/review/reply_line_stepper.h"
#include "model/analysis/game_analysis.h"
#include "model/tjeu.h"

class QMainWindow;
class QMenu;

namespace circumvia::control {

class AnalysisDock;
class AnalysisJob;
class MoveListDock;

// The window also shows the punishing line on its board (ReplyLineHost).
class GameReviewHost : public ReplyLineHost {
public:
    virtual ~GameReviewHost() = default;

    virtual const Tjeu& ReviewedGame() const = 0;
    // A rated game is under way: its record stays closed and the engine gives no help.
    virtual bool RecordClosed() const = 0;
    // A move is still being played on the board.
    virtual bool MoveUnderWay() const = 0;
    // Goes to the position after move `index` once the window is ready.
    virtual void ChooseRecordedMove(int index) = 0;
    virtual void UpdateNavigation() = 0;
    virtual void SetStatusText(const std::string& text) = 0;
    // Written in the status bar and said by screen readers.
    virtual void AnnounceReview(const std::string& text) = 0;
    virtual void EnableAnalyseCommand(bool on) = 0;
    virtual void EnableMistakeSteps(bool back, bool forward) = 0;
    // Whether the move on the board offers its better line.
    virtual void EnableBetterLine(bool on) = 0;
    // Opens the better line of the main line's `move` as a variation and stands on it.
    virtual void OpenBetterLine(const MoveAnalysis& move) = 0;
};

class GameReview : public QObject {
    Q_OBJECT
public:
    // The panel docks below `move_list` in `window`; its toggle joins `menu`.
    GameReview(GameReviewHost& host, QMainWindow& window, MoveListDock& move_list, QMenu& menu);

    AnalysisDock& Dock() { return *dock_; }
    AnalysisJob& Job() { return *job_; }
    // The analysis of the line on the board: its moves analysed so far, from the first, up
    // to where it leaves the main line.
    const GameAnalysis& Analysis() const { return line_analysis_; }
    // The analysis of the main line, whatever line is on the board: what the panel shows.
    const GameAnalysis& MainLineAnalysis() const { return analysis_; }

    // Analyses the recorded moves not yet analysed, with progress and Cancel in the panel.
    void Analyse();
    void Cancel();
    // To the next (forward) or previous mistake of the analysis.
    void GoToMistake(bool forward);
    // At a main-line move marked from an inaccuracy on: its better line as a variation.
    void ShowBetterLine();
    // Every recorded move is reachable: the recorded game is over, or an analysis is shown.
    bool Reviewing() const;
    // The record changed or moved: drops the analysis of moves no longer recorded and
    // marks the current move.
    void FollowRecord();
    void Relabel(int base);

    // The next move of the punishing line of the move that made the current entry, shown on
    // the board; past its end, the game again.
    void StepLine();
    // Back to the game from a line shown; false when none was shown.
    bool LeaveLine();
    bool ShowingLine() const { return line_.Showing(); }
    // The position the board shows: the line's while one is shown, else the game's.
    const Position& ShownPosition(const Tjeu& game) const {
        return line_.Showing() ? line_.ShownPosition() : game.Pos;
    }

Q_SIGNALS:
    // An analysis ended (completed or stopped) and is shown: its moves and their classes.
    void Analysed(const GameAnalysis& analysis);

private:
    void Finished(const GameAnalysis& analysis, bool completed);
    void Show();
    void ShowLineState();

    GameReviewHost& host_;
    MoveListDock& move_list_;
    AnalysisJob* job_;
    AnalysisDock* dock_;
    GameAnalysis analysis_;       // the main line's
    GameAnalysis line_analysis_;  // the part of it the line on the board shares
    ReplyLineStepper line_{host_};
};

}  // namespace circumvia::control
