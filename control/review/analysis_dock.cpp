#include "control/review/analysis_dock.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "control/review/evaluation_graph.h"
#include "dialogs/review_text.h"
#include "lang/counted_text.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

namespace {

// Characters a line of the panel holds: about a third of the window at its default size, so
// that the board keeps the rest; the texts wrap to it and the graph stays legible.
constexpr int kPanelCharacters = 34;

class ReviewPanel : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override {
        const QSize natural = QWidget::sizeHint();
        const int width = std::max(fontMetrics().averageCharWidth() * kPanelCharacters,
                                   minimumSizeHint().width());
        return {std::min(natural.width(), width), natural.height()};
    }
};

}  // namespace

AnalysisDock::AnalysisDock(QWidget* parent)
    : QDockWidget(parent),
      progress_row_(new QWidget(this)),
      progress_(new QProgressBar(progress_row_)),
      cancel_(new QPushButton(progress_row_)),
      graph_(new EvaluationGraph(this)),
      summary_(new QLabel(this)),
      line_button_(new QPushButton(this)),
      line_note_(new QLabel(this)),
      legend_(new QLabel(this)) {
    setObjectName(QStringLiteral("Evaluation"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea | Qt::BottomDockWidgetArea);
    progress_->setObjectName(QStringLiteral("AnalysisProgress"));
    cancel_->setObjectName(QStringLiteral("AnalysisCancel"));
    summary_->setObjectName(QStringLiteral("AnalysisSummary"));
    summary_->setWordWrap(true);
    line_button_->setObjectName(QStringLiteral("ShowLineButton"));
    line_button_->setEnabled(false);
    line_note_->setObjectName(QStringLiteral("ShownLine"));
    line_note_->setWordWrap(true);
    line_note_->setTextFormat(Qt::PlainText);
    line_note_->hide();
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
    // The line's button and what it shows stay under the graph; the summary and the legend
    // scroll below them rather than squeeze the graph where the window is low.
    auto* texts = new QWidget;
    auto* texts_layout = new QVBoxLayout(texts);
    texts_layout->setContentsMargins(0, 0, 0, 0);
    texts_layout->addWidget(summary_);
    texts_layout->addWidget(legend_);
    texts_layout->addStretch(1);
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("AnalysisTexts"));
    scroll->setWidget(texts);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Low enough that the panel under the move list still fits the window's default height.
    scroll->setMinimumHeight(2 * fontMetrics().lineSpacing());
    auto* panel = new ReviewPanel(this);
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(progress_row_);
    layout->addWidget(graph_, 1);
    layout->addWidget(line_button_, 0, Qt::AlignLeft);
    layout->addWidget(line_note_);
    layout->addWidget(scroll, 1);
    setWidget(panel);
    connect(cancel_, &QPushButton::clicked, this, &AnalysisDock::CancelClicked);
    connect(line_button_, &QPushButton::clicked, this, &AnalysisDock::LineClicked);
    connect(graph_, &EvaluationGraph::MoveChosen, this, &AnalysisDock::MoveChosen);
}

void AnalysisDock::AddCommand(QAction* action) {
    auto* button = new QToolButton(widget());
    button->setDefaultAction(action);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // Below the reply's button and its note, before the summaries.
    auto* layout = static_cast<QVBoxLayout*>(widget()->layout());
    layout->insertWidget(layout->indexOf(line_note_) + 1, button, 0, Qt::AlignLeft);
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
    summary_->setText(dialogs::ReviewSummaryLines(analysis_, names_).join(QChar('\n')));
    legend_->setText(dialogs::ReviewLegend());
    graph_->SetAxisTitle(lang::FormatText(
        lang::Caption(lang::CaptionBase() + lang::caption::kChanceAxis), {names_[kRed]}));
}

void AnalysisDock::ShowLineState(bool available, int shown, int length, const QString& said) {
    line_button_->setEnabled(available);
    line_note_->setText(said);
    line_note_->setVisible(!said.isEmpty());
    line_shown_ = shown;
    line_length_ = length;
    LabelLineButton();
}

void AnalysisDock::LabelLineButton() {
    const int base = lang::CaptionBase();
    std::string label = lang::Caption(base + lang::caption::kShowLine);
    if (line_shown_ > 0 && line_shown_ < line_length_) {
        label = lang::FormatText(lang::Caption(base + lang::caption::kLineNext),
                                 {std::to_string(line_shown_ + 1), std::to_string(line_length_)});
    } else if (line_shown_ > 0) {
        label = lang::Caption(base + lang::caption::kLineBack);
    }
    line_button_->setText(QString::fromStdString(label));
    line_button_->setToolTip(
        QString::fromStdString(lang::Caption(base + lang::caption::kShowLineHint)));
}

QString AnalysisDock::SummaryText() const {
    return summary_->text();
}

void AnalysisDock::Relabel(int base) {
    setWindowTitle(QString::fromStdString(lang::Caption(base + lang::caption::kEvaluation)));
    toggleViewAction()->setStatusTip(
        QString::fromStdString(lang::Caption(base + lang::caption::kEvaluationHint)));
    cancel_->setText(QString::fromStdString(lang::Caption(base + lang::caption::kAnswerCancel)));
    LabelLineButton();
    ShowSummary();
}

}  // namespace circumvia::control
