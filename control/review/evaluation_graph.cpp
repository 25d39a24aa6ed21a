#include "control/review/evaluation_graph.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "dialogs/review_text.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/evaluation.h"

namespace circumvia::control {

namespace {

constexpr QSize kPreferredSize(360, 200);
constexpr QSize kSmallestSize(240, 150);

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
    chances_.SetMoves(analysis.moves);
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
    return dialogs::ChanceGraph::Plot(rect(), fontMetrics());
}

QPoint EvaluationGraph::PointOf(int index) const {
    return chances_.PointOf(Plot(), index);
}

int EvaluationGraph::IndexAt(int x) const {
    return chances_.IndexAt(Plot(), x);
}

QString EvaluationGraph::TipOf(int index) const {
    if (index < 0 || index >= PointCount()) return {};
    const double chance = chances_.RedChance(index);
    if (index == 0) {
        return QString::fromStdString(lang::FormatText(
            "%s \u2014 %s", {lang::Caption(lang::CaptionBase() + lang::caption::kRecordStart),
                             dialogs::PercentText(chance)}));
    }
    const MoveAnalysis& move = chances_.MoveOf(index);
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
    const dialogs::ChanceGraphInk ink{.base = palette().base().color(),
                                      .text = palette().text().color(),
                                      .mid = palette().mid().color(),
                                      .highlight = palette().highlight().color()};
    chances_.Paint(painter, rect(), axis_title_, current_, ink);
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
