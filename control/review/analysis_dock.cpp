#include "control/review/analysis_dock.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>

#include "control/review/evaluation_graph.h"
#include "lang/counted_text.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

namespace {

// With the decimal comma in French, Spanish and German.
std::string OneDecimal(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    std::string written = text;
    if (lang::LanguageCode() != 'A') std::replace(written.begin(), written.end(), '.', ',');
    return written;
}

std::string SummaryLine(const std::string& name, const PlayerSummary& summary) {
    return lang::FormatText(
        lang::LoadText(lang::message::kReviewSummary),
        {name, lang::CountedText(summary.inaccuracies, lang::kInaccuracies),
         lang::CountedText(summary.mistakes, lang::kMistakes),
         lang::CountedText(summary.blunders, lang::kBlunders), OneDecimal(summary.average_loss)});
}

}  // namespace

AnalysisDock::AnalysisDock(QWidget* parent)
    : QDockWidget(parent),
      progress_row_(new QWidget(this)),
      progress_(new QProgressBar(progress_row_)),
      cancel_(new QPushButton(progress_row_)),
      graph_(new EvaluationGraph(this)),
      summary_(new QLabel(this)) {
    setObjectName(QStringLiteral("Evaluation"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    progress_->setObjectName(QStringLiteral("AnalysisProgress"));
    cancel_->setObjectName(QStringLiteral("AnalysisCancel"));
    summary_->setObjectName(QStringLiteral("AnalysisSummary"));
    summary_->setWordWrap(true);
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
    setWidget(panel);
    connect(cancel_, &QPushButton::clicked, this, &AnalysisDock::CancelClicked);
    connect(graph_, &EvaluationGraph::MoveChosen, this, &AnalysisDock::MoveChosen);
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
        return;
    }
    const std::array<PlayerSummary, 3> summaries = Summarise(analysis_);
    summary_->setText(QString::fromStdString(SummaryLine(names_[kRed], summaries[kRed]) + "\n" +
                                             SummaryLine(names_[kWhite], summaries[kWhite])));
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
