#include "control/review/evaluation_graph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "dialogs/class_marks.h"

namespace circumvia::control {

namespace {

constexpr int kMargin = 6;
constexpr int kDotRadius = 3;
constexpr QSize kPreferredSize(220, 140);
constexpr QSize kSmallestSize(120, 60);

// The value of the position after `move` from Red's side, a forced result drawn as the
// decisive lead the losses count it as.
int RedView(const MoveAnalysis& move) {
    const int value = std::clamp(move.value_played, -kDecisiveValue, kDecisiveValue);
    return move.mover == kRed ? value : -value;
}

}  // namespace

EvaluationGraph::EvaluationGraph(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("EvaluationGraph"));
    setCursor(Qt::PointingHandCursor);
}

QSize EvaluationGraph::sizeHint() const {
    return kPreferredSize;
}

QSize EvaluationGraph::minimumSizeHint() const {
    return kSmallestSize;
}

void EvaluationGraph::ShowAnalysis(const GameAnalysis& analysis) {
    values_.assign(1, 0);
    classes_.assign(1, MoveClass::kBest);
    if (!analysis.moves.empty()) {
        // The start is worth to Red what the first mover's best move is worth to it.
        const MoveAnalysis& first = analysis.moves.front();
        const int start = std::clamp(first.value_best, -kDecisiveValue, kDecisiveValue);
        values_[0] = first.mover == kRed ? start : -start;
    }
    for (const MoveAnalysis& move : analysis.moves) {
        values_.push_back(RedView(move));
        classes_.push_back(move.move_class);
    }
    update();
}

void EvaluationGraph::ShowCurrent(int current) {
    if (current == current_) return;
    current_ = current;
    update();
}

QRect EvaluationGraph::Plot() const {
    return rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
}

QPoint EvaluationGraph::PointOf(int index) const {
    const QRect plot = Plot();
    const int last = std::max(PointCount() - 1, 1);
    const int x = plot.left() +
                  static_cast<int>(std::lround(static_cast<double>(index) * plot.width() / last));
    const int value =
        index >= 0 && index < PointCount() ? values_[static_cast<std::size_t>(index)] : 0;
    const double half = plot.height() / 2.0;
    const int y = static_cast<int>(
        std::lround(plot.center().y() - value * half / static_cast<double>(kDecisiveValue)));
    return {x, y};
}

int EvaluationGraph::IndexAt(int x) const {
    if (PointCount() == 0) return -1;
    const QRect plot = Plot();
    const int last = std::max(PointCount() - 1, 1);
    const double at = static_cast<double>(x - plot.left()) * last / std::max(plot.width(), 1);
    return std::clamp(static_cast<int>(std::lround(at)), 0, PointCount() - 1);
}

void EvaluationGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect plot = Plot();
    painter.fillRect(rect(), palette().base());
    // Red's half above the middle line, White's below.
    const int half = plot.height() / 2;
    painter.fillRect(QRect(plot.left(), plot.top(), plot.width(), half), QColor(255, 0, 0, 24));
    painter.fillRect(QRect(plot.left(), plot.top() + half, plot.width(), plot.height() - half),
                     QColor(0, 0, 0, 10));
    painter.setPen(QPen(palette().mid().color(), 1, Qt::DashLine));
    painter.drawLine(plot.left(), plot.center().y(), plot.right(), plot.center().y());
    if (PointCount() == 0) return;

    if (current_ >= 0 && current_ < PointCount()) {
        painter.setPen(QPen(palette().highlight().color(), 2));
        const int x = PointOf(current_).x();
        painter.drawLine(x, plot.top(), x, plot.bottom());
    }
    QPainterPath curve(PointOf(0));
    for (int k = 1; k < PointCount(); ++k) curve.lineTo(PointOf(k));
    painter.setPen(QPen(palette().text().color(), 1.5));
    painter.drawPath(curve);
    painter.setPen(Qt::NoPen);
    for (int k = 1; k < PointCount(); ++k) {
        const MoveClass move_class = classes_[static_cast<std::size_t>(k)];
        if (dialogs::ClassSymbol(move_class).isEmpty()) continue;
        painter.setBrush(dialogs::ClassColour(move_class));
        painter.drawEllipse(PointOf(k), kDotRadius, kDotRadius);
    }
}

void EvaluationGraph::mousePressEvent(QMouseEvent* event) {
    const int index = IndexAt(event->position().toPoint().x());
    if (index >= 0) Q_EMIT MoveChosen(index);
    event->accept();
}

}  // namespace circumvia::control
