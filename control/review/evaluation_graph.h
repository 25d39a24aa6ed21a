#pragma once
// The winning-chance graph: Red's chance of winning (0 to 100%) after each analysed move, so
// that both sides read it from one side (up: Red stands better), with its axes (the chance
// and the move numbers), the even line at 50%, the position on the board marked by a
// vertical line, the marked moves as dots in their class colour and the turning points as
// diamonds. Hovering tells the move, the chance and the value; a click asks to go to the
// nearest move, as choosing a row of the move list does.

#include <QWidget>
#include <string>
#include <vector>

#include "model/analysis/game_analysis.h"

namespace circumvia::control {

class EvaluationGraph : public QWidget {
    Q_OBJECT
public:
    explicit EvaluationGraph(QWidget* parent = nullptr);

    void ShowAnalysis(const GameAnalysis& analysis);
    // The entry on the board: 0 the start, k after move k.
    void ShowCurrent(int current);
    // The side whose chance is drawn: "Red's chance of winning".
    void SetAxisTitle(const std::string& title);
    int PointCount() const { return static_cast<int>(chances_.size()); }
    // Where entry `index` is drawn, and the entry drawn nearest to horizontal position `x`.
    QPoint PointOf(int index) const;
    int IndexAt(int x) const;
    // What hovering over entry `index` tells: the move, Red's chance and value there.
    QString TipOf(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void MoveChosen(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QRect Plot() const;
    // Move numbers drawn every this many moves, so that their labels never touch.
    int TickStep() const;

    std::vector<double> chances_;      // Red's, entry 0 the start
    std::vector<MoveAnalysis> moves_;  // moves_[k - 1] made entry k
    std::string axis_title_;
    int current_ = 0;
};

}  // namespace circumvia::control
