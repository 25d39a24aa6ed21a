#pragma once
// The winning-chance graph of an analysed game, drawn on any painter: the review panel's
// widget and the game sheet draw the same picture. Red's chance of winning (0 to 100%) after
// each analysed move, so that both sides read it from one side (up: Red stands better), with
// its axes (the chance and the move numbers), the even line at 50%, the position looked at
// marked by a vertical line, the marked moves as dots in their class colour and the turning
// points as diamonds.

#include <QColor>
#include <QRect>
#include <string>
#include <vector>

#include "model/analysis/game_analysis.h"

class QFontMetrics;
class QPainter;

namespace circumvia::dialogs {

// The inks: a widget's palette on screen, black on white on paper.
struct ChanceGraphInk {
    QColor base = Qt::white;
    QColor text = Qt::black;
    QColor mid = Qt::gray;
    QColor highlight = Qt::blue;
};

class ChanceGraph {
public:
    void SetMoves(const std::vector<MoveAnalysis>& moves);

    // Entries 0 (the start) to the last analysed move.
    int PointCount() const { return static_cast<int>(chances_.size()); }
    // Red's chance at entry `index`, 0.5 outside the graph.
    double RedChance(int index) const;
    // The move that made entry `index` (1 and up).
    const MoveAnalysis& MoveOf(int index) const {
        return moves_[static_cast<std::size_t>(index - 1)];
    }

    // The plot's rectangle inside `area`, leaving room for the axes' labels in this font.
    static QRect Plot(const QRect& area, const QFontMetrics& metrics);
    // Where entry `index` is drawn in `plot`, and the entry drawn nearest to `x`.
    QPoint PointOf(const QRect& plot, int index) const;
    int IndexAt(const QRect& plot, int x) const;

    // The whole graph in `area` in the painter's font; `current` is the entry marked by a
    // vertical line, none when outside the graph.
    void Paint(QPainter& painter, const QRect& area, const std::string& axis_title, int current,
               const ChanceGraphInk& ink) const;

private:
    // Move numbers drawn every this many moves, so that their labels never touch.
    int TickStep(const QRect& plot, const QFontMetrics& metrics) const;

    std::vector<double> chances_;      // Red's, entry 0 the start
    std::vector<MoveAnalysis> moves_;  // moves_[k - 1] made entry k
};

}  // namespace circumvia::dialogs
