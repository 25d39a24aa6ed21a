#pragma once
// The evaluation graph: the value of the position after each analysed move, seen from
// Red's side (up: Red stands better), the position on the board marked by a vertical line
// and the mistakes by dots in their class colour. A click asks to go to the nearest move,
// as choosing a row of the move list does.

#include <QWidget>
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
    int PointCount() const { return static_cast<int>(values_.size()); }
    // Where entry `index` is drawn, and the entry drawn nearest to horizontal position `x`.
    QPoint PointOf(int index) const;
    int IndexAt(int x) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void MoveChosen(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QRect Plot() const;

    std::vector<int> values_;         // Red's view, entry 0 the start, clamped for drawing
    std::vector<MoveClass> classes_;  // of the move that made each entry; kBest for the start
    int current_ = 0;
};

}  // namespace circumvia::control
