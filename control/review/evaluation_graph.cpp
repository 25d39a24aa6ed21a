#include "control/review/evaluation_graph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <array>
#include <cmath>

#include "dialogs/class_marks.h"
#include "dialogs/review_text.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/evaluation.h"
#include "model/notation.h"

namespace circumvia::control {

namespace {

constexpr int kGap = 4;
constexpr int kDotRadius = 3;
constexpr int kDiamondRadius = 6;
constexpr QSize kPreferredSize(360, 200);
constexpr QSize kSmallestSize(240, 150);
constexpr std::array<int, 10> kTickSteps = {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};

// Red's chance of winning after `move`.
double RedChance(const MoveAnalysis& move) {
    return move.mover == kRed ? move.chance_after : 1 - move.chance_after;
}

}  // namespace

EvaluationGraph::EvaluationGraph(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("EvaluationGraph"));
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
}

QSize EvaluationGraph::sizeHint() const {
    return kPreferredSize;
}

QSize EvaluationGraph::minimumSizeHint() const {
    return kSmallestSize;
}

void EvaluationGraph::ShowAnalysis(const GameAnalysis& analysis) {
    moves_ = analysis.moves;
    chances_.assign(1, 0.5);
    if (!moves_.empty()) {
        // The start is worth to Red what the first mover's best move is worth to it.
        const MoveAnalysis& first = moves_.front();
        chances_[0] = first.mover == kRed ? first.chance_before : 1 - first.chance_before;
    }
    for (const MoveAnalysis& move : moves_) chances_.push_back(RedChance(move));
    update();
}

void EvaluationGraph::ShowCurrent(int current) {
    if (current == current_) return;
    current_ = current;
    update();
}

void EvaluationGraph::SetAxisTitle(const std::string& title) {
    axis_title_ = title;
    update();
}

QRect EvaluationGraph::Plot() const {
    const QFontMetrics metrics = fontMetrics();
    const int left = metrics.horizontalAdvance(QStringLiteral("100%")) + 2 * kGap;
    const int top = metrics.height() + kGap;
    const int bottom = metrics.height() + kGap;
    return rect().adjusted(left, top, -2 * kGap, -bottom);
}

QPoint EvaluationGraph::PointOf(int index) const {
    const QRect plot = Plot();
    const int last = std::max(PointCount() - 1, 1);
    const int x = plot.left() +
                  static_cast<int>(std::lround(static_cast<double>(index) * plot.width() / last));
    const double chance =
        index >= 0 && index < PointCount() ? chances_[static_cast<std::size_t>(index)] : 0.5;
    const int y = plot.bottom() - static_cast<int>(std::lround(chance * plot.height()));
    return {x, y};
}

int EvaluationGraph::IndexAt(int x) const {
    if (PointCount() == 0) return -1;
    const QRect plot = Plot();
    const int last = std::max(PointCount() - 1, 1);
    const double at = static_cast<double>(x - plot.left()) * last / std::max(plot.width(), 1);
    return std::clamp(static_cast<int>(std::lround(at)), 0, PointCount() - 1);
}

int EvaluationGraph::TickStep() const {
    const int last = std::max(PointCount() - 1, 1);
    const int label = fontMetrics().horizontalAdvance(QString::number(last)) + 3 * kGap;
    const double per_move = static_cast<double>(Plot().width()) / last;
    for (const int step : kTickSteps) {
        if (step * per_move >= label) return step;
    }
    return kTickSteps.back();
}

QString EvaluationGraph::TipOf(int index) const {
    if (index < 0 || index >= PointCount()) return {};
    const double chance = chances_[static_cast<std::size_t>(index)];
    if (index == 0) {
        return QString::fromStdString(lang::FormatText(
            "%s \u2014 %s", {lang::Caption(lang::CaptionBase() + lang::caption::kRecordStart),
                             dialogs::PercentText(chance)}));
    }
    const MoveAnalysis& move = moves_[static_cast<std::size_t>(index - 1)];
    const bool red = move.mover == kRed;
    // Red's value: a forced win of White is Red's forced loss (kLossScore is -kWinScore).
    const int value = red ? move.value_played : -move.value_played;
    return QString::fromStdString(lang::FormatText(
        lang::Caption(lang::CaptionBase() + lang::caption::kChanceTip),
        {std::to_string(move.number), dialogs::MarkedMoveText(move), dialogs::PercentText(chance),
         dialogs::ReviewValueText(value, move.played_moves_to_end, move.played_drawn)}));
}

void EvaluationGraph::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect plot = Plot();
    const QFontMetrics metrics = fontMetrics();
    painter.fillRect(rect(), palette().base());
    // Red's half above the even line, White's below.
    const int half = plot.height() / 2;
    painter.fillRect(QRect(plot.left(), plot.top(), plot.width(), half), QColor(255, 0, 0, 24));
    painter.fillRect(QRect(plot.left(), plot.top() + half, plot.width(), plot.height() - half),
                     QColor(0, 0, 0, 10));
    painter.setPen(palette().text().color());
    painter.drawText(QRect(plot.left(), 0, plot.width(), plot.top() - kGap / 2),
                     Qt::AlignLeft | Qt::AlignBottom, QString::fromStdString(axis_title_));

    // The chance axis: 0, 50 and 100%, with light lines at the quarters.
    for (const int percent : {0, 25, 50, 75, 100}) {
        const int y = plot.bottom() - percent * plot.height() / 100;
        const bool even = percent == 50;
        painter.setPen(QPen(even ? palette().text().color() : palette().mid().color(), 1,
                            even ? Qt::DashLine : Qt::DotLine));
        painter.drawLine(plot.left(), y, plot.right(), y);
        if (percent % 50 != 0) continue;
        painter.setPen(palette().text().color());
        painter.drawText(QRect(0, y - metrics.height() / 2, plot.left() - kGap, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QString::fromStdString(dialogs::PercentText(percent / 100.0)));
    }
    painter.setPen(palette().text().color());
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.bottomLeft(), plot.topLeft());
    if (PointCount() == 0) return;

    // The move axis: every TickStep moves, numbered.
    const int step = TickStep();
    for (int k = 0; k < PointCount(); k += step) {
        const int x = PointOf(k).x();
        painter.drawLine(x, plot.bottom(), x, plot.bottom() + kGap / 2);
        const int width = metrics.horizontalAdvance(QString::number(k)) + kGap;
        painter.drawText(QRect(x - width / 2, plot.bottom() + kGap / 2, width, metrics.height()),
                         Qt::AlignCenter, QString::number(k));
    }

    if (current_ >= 0 && current_ < PointCount()) {
        painter.setPen(QPen(palette().highlight().color(), 2));
        const int x = PointOf(current_).x();
        painter.drawLine(x, plot.top(), x, plot.bottom());
    }
    QPainterPath curve(PointOf(0));
    for (int k = 1; k < PointCount(); ++k) curve.lineTo(PointOf(k));
    painter.setPen(QPen(palette().text().color(), 1.5));
    painter.drawPath(curve);
    for (int k = 1; k < PointCount(); ++k) {
        const MoveAnalysis& move = moves_[static_cast<std::size_t>(k - 1)];
        const QPoint at = PointOf(k);
        const QColor colour = dialogs::ClassColour(move.move_class);
        if (move.turning_point) {
            const QPolygon diamond({at + QPoint(0, -kDiamondRadius), at + QPoint(kDiamondRadius, 0),
                                    at + QPoint(0, kDiamondRadius),
                                    at + QPoint(-kDiamondRadius, 0)});
            painter.setPen(QPen(palette().text().color(), 1.5));
            painter.setBrush(colour);
            painter.drawPolygon(diamond);
        } else if (!dialogs::ClassSymbol(move.move_class).isEmpty()) {
            painter.setPen(Qt::NoPen);
            painter.setBrush(colour);
            painter.drawEllipse(at, kDotRadius, kDotRadius);
        }
    }
}

void EvaluationGraph::mousePressEvent(QMouseEvent* event) {
    const int index = IndexAt(event->position().toPoint().x());
    if (index >= 0) Q_EMIT MoveChosen(index);
    event->accept();
}

void EvaluationGraph::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QString tip = TipOf(IndexAt(at.x()));
    if (tip.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(event->globalPosition().toPoint(), tip, this);
    }
}

}  // namespace circumvia::control
