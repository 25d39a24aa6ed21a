#pragma once
// The winning-chance graph in the review panel, drawn by dialogs::ChanceGraph as the game
// sheet draws it, with the position on the board marked by a vertical line. Hovering tells
// the move, the chance and the value; a click asks to go to the nearest move, as choosing a
// row of the move list does.

#include <QWidget>
#include <string>
#include <vector>

#include "dialogs/chance_graph.h"
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
    int PointCount() const { return chances_.PointCount(); }
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

    dialogs::ChanceGraph chances_;
    std::string axis_title_;
    int current_ = 0;
};

}  // namespace circumvia::control
