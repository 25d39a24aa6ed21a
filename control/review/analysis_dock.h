#pragma once
// The review panel: while the analysis runs, its progress and a Cancel button; then the
// winning-chance graph, each player's summary with its turning points, the button that steps
// through the punishing line of a marked move, and the legend of the marks. It sits below
// the move list, narrow enough to leave the board most of the window (its texts wrap), and
// is remembered with the window's docks.

#include <QDockWidget>
#include <array>
#include <string>

#include "model/analysis/game_analysis.h"

class QAction;
class QLabel;
class QProgressBar;
class QPushButton;

namespace circumvia::control {

class EvaluationGraph;

class AnalysisDock : public QDockWidget {
    Q_OBJECT
public:
    explicit AnalysisDock(QWidget* parent);

    // `done` of `total` moves analysed; the progress row shows until ShowIdle.
    void ShowProgress(int done, int total);
    void ShowIdle();
    // The graph and the summaries; `names` indexed by side.
    void ShowAnalysis(const GameAnalysis& analysis, const std::array<std::string, 3>& names);
    void ShowCurrent(int current);
    // The line button: enabled when the move on the board has a line to show; `shown` of
    // its `length` moves are on the board, the last as `said` under the button.
    void ShowLineState(bool available, int shown, int length, const QString& said);
    // A button for a command of the window, below the graph: it follows the command's
    // caption and whether it may run.
    void AddCommand(QAction* action);
    void Relabel(int base);

    EvaluationGraph& Graph() { return *graph_; }
    QPushButton& CancelButton() { return *cancel_; }
    QPushButton& LineButton() { return *line_button_; }
    QProgressBar& ProgressBar() { return *progress_; }
    QString SummaryText() const;

Q_SIGNALS:
    void CancelClicked();
    void LineClicked();
    // A point of the graph was clicked: 0 the start, k the position after move k.
    void MoveChosen(int index);

private:
    void ShowSummary();
    void LabelLineButton();

    QWidget* progress_row_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    EvaluationGraph* graph_;
    QLabel* summary_;
    QPushButton* line_button_;
    QLabel* line_note_;
    QLabel* legend_;
    GameAnalysis analysis_;
    std::array<std::string, 3> names_;
    int line_shown_ = 0;
    int line_length_ = 0;
};

}  // namespace circumvia::control
