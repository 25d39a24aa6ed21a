#include "control/review/analysis_dock.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "control/review/evaluation_graph.h"
#include "dialogs/class_marks.h"
#include "dialogs/review_text.h"
#include "lang/counted_text.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/notation.h"

namespace circumvia::control {

namespace {

std::string SummaryLine(const std::string& name, const PlayerSummary& summary) {
    return lang::FormatText(lang::LoadText(lang::message::kReviewPlayerSummary),
                            {name, lang::CountedText(summary.inaccuracies, lang::kInaccuracies),
                             lang::CountedText(summary.mistakes, lang::kMistakes),
                             lang::CountedText(summary.blunders, lang::kBlunders),
                             lang::CountedText(summary.missed_wins, lang::kMissedWins)});
}

// "Turning points: 5. D 5->C 5 ? 52% → 18%, ..." for one player; empty without any.
std::string TurningPointsLine(const GameAnalysis& analysis, Side side) {
    const int base = lang::CaptionBase();
    std::string points;
    for (const MoveAnalysis& move : analysis.moves) {
        if (!move.turning_point || move.mover != side) continue;
        if (!points.empty()) points += ", ";
        points += std::to_string(move.number);
        points += ". ";
        points += dialogs::MarkedMoveText(move);
        points += ' ';
        points += lang::FormatText(
            lang::Caption(base + lang::caption::kChanceAfter),
            {dialogs::PercentText(move.chance_before), dialogs::PercentText(move.chance_after)});
    }
    if (points.empty()) return {};
    return lang::FormatText(lang::Caption(base + lang::caption::kTurningPoints), {points});
}

}  // namespace

AnalysisDock::AnalysisDock(QWidget* parent)
    : QDockWidget(parent),
      progress_row_(new QWidget(this)),
      progress_(new QProgressBar(progress_row_)),
      cancel_(new QPushButton(progress_row_)),
      graph_(new EvaluationGraph(this)),
      summary_(new QLabel(this)),
      legend_(new QLabel(this)) {
    setObjectName(QStringLiteral("Evaluation"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    progress_->setObjectName(QStringLiteral("AnalysisProgress"));
    cancel_->setObjectName(QStringLiteral("AnalysisCancel"));
    summary_->setObjectName(QStringLiteral("AnalysisSummary"));
    summary_->setWordWrap(true);
    legend_->setObjectName(QStringLiteral("AnalysisLegend"));
    legend_->setWordWrap(true);
    QFont small = legend_->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    legend_->setFont(small);
    // The bar takes the panel's width, so that its text fits; Cancel goes below it.
    auto* row = new QVBoxLayout(progress_row_);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(progress_);
    row->addWidget(cancel_, 0, Qt::AlignRight);
    progress_row_->hide();
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(progress_row_);
    layout->addWidget(graph_, 1);
    layout->addWidget(summary_);
    layout->addWidget(legend_);
    setWidget(panel);
    connect(cancel_, &QPushButton::clicked, this, &AnalysisDock::CancelClicked);
    connect(graph_, &EvaluationGraph::MoveChosen, this, &AnalysisDock::MoveChosen);
}

void AnalysisDock::AddCommand(QAction* action) {
    auto* button = new QToolButton(widget());
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // Below the graph, before the summaries.
    auto* layout = static_cast<QVBoxLayout*>(widget()->layout());
    layout->insertWidget(layout->indexOf(graph_) + 1, button, 0, Qt::AlignLeft);
}

void AnalysisDock::ShowProgress(int done, int total) {
    progress_row_->show();
    progress_->setRange(0, std::max(total, 1));
    progress_->setValue(done);
    progress_->setFormat(QString::fromStdString(
        lang::FormatText(lang::LoadText(lang::message::kReviewProgress),
                         {std::to_string(done), lang::CountedText(total, lang::kMovesOf)})));
}

void AnalysisDock::ShowIdle() {
    progress_row_->hide();
}

void AnalysisDock::ShowAnalysis(const GameAnalysis& analysis,
                                const std::array<std::string, 3>& names) {
    analysis_ = analysis;
    names_ = names;
    graph_->ShowAnalysis(analysis_);
    ShowSummary();
}

void AnalysisDock::ShowCurrent(int current) {
    graph_->ShowCurrent(current);
}

void AnalysisDock::ShowSummary() {
    if (analysis_.moves.empty()) {
        summary_->clear();
        legend_->clear();
        return;
    }
    const std::array<PlayerSummary, 3> summaries = Summarise(analysis_);
    std::string text;
    for (const Side side : {kRed, kWhite}) {
        if (!text.empty()) text += "\n";
        text += SummaryLine(names_[side], summaries[side]);
        const std::string points = TurningPointsLine(analysis_, side);
        if (!points.empty()) text += "\n" + points;
    }
    summary_->setText(QString::fromStdString(text));
    legend_->setText(dialogs::ReviewLegend());
    graph_->SetAxisTitle(lang::FormatText(
        lang::Caption(lang::CaptionBase() + lang::caption::kChanceAxis), {names_[kRed]}));
}

QString AnalysisDock::SummaryText() const {
    return summary_->text();
}

void AnalysisDock::Relabel(int base) {
    setWindowTitle(QString::fromStdString(lang::Caption(base + lang::caption::kEvaluation)));
    toggleViewAction()->setStatusTip(
        QString::fromStdString(lang::Caption(base + lang::caption::kEvaluationHint)));
    cancel_->setText(QString::fromStdString(lang::Caption(base + lang::caption::kAnswerCancel)));
    ShowSummary();
}

}  // namespace circumvia::control
