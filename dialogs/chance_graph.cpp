#include "dialogs/chance_graph.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>
#include <algorithm>
#include <array>
#include <cmath>

#include "dialogs/class_marks.h"
#include "dialogs/review_text.h"

namespace circumvia::dialogs {

namespace {

constexpr int kGap = 4;
constexpr int kDotRadius = 3;
constexpr int kDiamondRadius = 6;
constexpr std::array<int, 10> kTickSteps = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};

// Red's chance of winning after `move`.
double RedChanceAfter(const MoveAnalysis& move) {
    return move.mover == kRed ? move.chance_after : 1 - move.chance_after;
}

}  // namespace

void ChanceGraph::SetMoves(const std::vector<MoveAnalysis>& moves) {
    moves_ = moves;
    chances_.assign(1, 0.5);
    if (!moves_.empty()) {
        // The start is worth to Red what the first mover's best move is worth to it.
        const MoveAnalysis& first = moves_.front();
        chances_[0] = first.mover == kRed ? first.chance_before : 1 - first.chance_before;
    }
    for (const MoveAnalysis& move : moves_) chances_.push_back(RedChanceAfter(move));
}

double ChanceGraph::RedChance(int index) const {
    return index >= 0 && index < PointCount() ? chances_[static_cast<std::size_t>(index)] : 0.5;
}

QRect ChanceGraph::Plot(const QRect& area, const QFontMetrics& metrics) {
    const int left = metrics.horizontalAdvance(QStringLiteral("100%")) + 2 * kGap;
    const int top = metrics.height() + kGap;
    const int bottom = metrics.height() + kGap;
    return area.adjusted(left, top, -2 * kGap, -bottom);
}

QPoint ChanceGraph::PointOf(const QRect& plot, int index) const {
    const int last = std::max(PointCount() - 1, 1);
    const int x = plot.left() +
                  static_cast<int>(std::lround(static_cast<double>(index) * plot.width() / last));
    const int y = plot.bottom() - static_cast<int>(std::lround(RedChance(index) * plot.height()));
    return {x, y};
}

int ChanceGraph::IndexAt(const QRect& plot, int x) const {
    if (PointCount() == 0) return -1;
    const int last = std::max(PointCount() - 1, 1);
    const double at = static_cast<double>(x - plot.left()) * last / std::max(plot.width(), 1);
    return std::clamp(static_cast<int>(std::lround(at)), 0, PointCount() - 1);
}

int ChanceGraph::TickStep(const QRect& plot, const QFontMetrics& metrics) const {
    const int last = std::max(PointCount() - 1, 1);
    const int label = metrics.horizontalAdvance(QString::number(last)) + 3 * kGap;
    const double per_move = static_cast<double>(plot.width()) / last;
    for (const int step : kTickSteps) {
        if (step * per_move >= label) return step;
    }
    return kTickSteps.back();
}

void ChanceGraph::Paint(QPainter& painter, const QRect& area, const std::string& axis_title,
                        int current, const ChanceGraphInk& ink) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect plot = Plot(area, metrics);
    painter.fillRect(area, ink.base);
    // Red's half above the even line, White's below.
    const int half = plot.height() / 2;
    painter.fillRect(QRect(plot.left(), plot.top(), plot.width(), half), QColor(255, 0, 0, 24));
    painter.fillRect(QRect(plot.left(), plot.top() + half, plot.width(), plot.height() - half),
                     QColor(0, 0, 0, 10));
    painter.setPen(ink.text);
    painter.drawText(
        QRect(plot.left(), area.top(), plot.width(), plot.top() - area.top() - kGap / 2),
        Qt::AlignLeft | Qt::AlignBottom, QString::fromStdString(axis_title));

    // The chance axis: 0, 50 and 100%, with light lines at the quarters.
    for (const int percent : {0, 25, 50, 75, 100}) {
        const int y = plot.bottom() - percent * plot.height() / 100;
        const bool even = percent == 50;
        painter.setPen(QPen(even ? ink.text : ink.mid, 1, even ? Qt::DashLine : Qt::DotLine));
        painter.drawLine(plot.left(), y, plot.right(), y);
        if (percent % 50 != 0) continue;
        painter.setPen(ink.text);
        painter.drawText(QRect(area.left(), y - metrics.height() / 2,
                               plot.left() - area.left() - kGap, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromStdString(PercentText(percent / 100.0)));
    }
    painter.setPen(ink.text);
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    if (PointCount() == 0) {
        painter.restore();
        return;
    }

    // The move axis: every TickStep moves, numbered.
    const int step = TickStep(plot, metrics);
    for (int k = 0; k < PointCount(); k += step) {
        const int x = PointOf(plot, k).x();
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + kGap / 2);
        const int width = metrics.horizontalAdvance(QString::number(k)) + kGap;
        painter.drawText(QRect(x - width / 2, plot.bottom() + kGap / 2, width, metrics.height()),
                         Qt::AlignCenter, QString::number(k));
    }

    if (current >= 0 && current < PointCount()) {
        painter.setPen(QPen(ink.highlight, 2));
        const int x = PointOf(plot, current).x();
        painter.drawLine(x, plot.top(), x, plot.bottom());
    }
    QPainterPath curve(PointOf(plot, 0));
    for (int k = 1; k < PointCount(); ++k) curve.lineTo(PointOf(plot, k));
    painter.setPen(QPen(ink.text, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
    for (int k = 1; k < PointCount(); ++k) {
        const MoveAnalysis& move = MoveOf(k);
        const QPoint at = PointOf(plot, k);
        const QColor colour = ClassColour(move.move_class);
        if (move.turning_point) {
            const QPolygon diamond({at + QPoint(0, -kDiamondRadius), at + QPoint(kDiamondRadius, 0),
                                    at + QPoint(0, kDiamondRadius),
                                    at + QPoint(-kDiamondRadius, 0)});
            painter.setPen(QPen(ink.text, 1.5));
            painter.setBrush(colour);
            painter.drawPolygon(diamond);
        } else if (!ClassSymbol(move.move_class).isEmpty()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawEllipse(at, kDotRadius, kDotRadius);
        }
    }
    painter.restore();
}

}  // namespace circumvia::dialogs
