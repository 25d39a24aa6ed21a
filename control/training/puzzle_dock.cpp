#include "control/training/puzzle_dock.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

namespace {

QString CaptionText(int offset) {
    return QString::fromStdString(lang::Caption(lang::CaptionBase() + offset));
}

}  // namespace

PuzzleDock::PuzzleDock(QWidget* parent)
    : QDockWidget(parent),
      mode_(new QComboBox),
      heading_(new QLabel),
      goal_(new QLabel),
      outcome_(new QLabel),
      answer_(new QPushButton),
      next_(new QPushButton) {
    setObjectName(QStringLiteral("PuzzleDock"));
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(mode_);
    layout->addWidget(heading_);
    layout->addWidget(goal_);
    layout->addWidget(outcome_);
    layout->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(answer_);
    buttons->addWidget(next_);
    layout->addLayout(buttons);
    for (QLabel* label : {heading_, goal_, outcome_}) {
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        label->setFocusPolicy(Qt::TabFocus);  // reachable by Tab, so a screen reader reads it
    }
    QFont bold = heading_->font();
    bold.setBold(true);
    heading_->setFont(bold);
    mode_->addItem(QString());
    mode_->addItem(QString());
    mode_->setObjectName(QStringLiteral("PuzzleMode"));
    goal_->setObjectName(QStringLiteral("PuzzleGoal"));
    outcome_->setObjectName(QStringLiteral("PuzzleOutcome"));
    setWidget(body);
    connect(mode_, &QComboBox::activated, this, &PuzzleDock::ModeChosen);
    connect(answer_, &QPushButton::clicked, this, &PuzzleDock::AnswerClicked);
    connect(next_, &QPushButton::clicked, this, &PuzzleDock::NextClicked);
    Relabel();
}

void PuzzleDock::ShowPuzzle(const QString& heading, const QString& goal) {
    heading_->setText(heading);
    heading_->setAccessibleName(heading);
    goal_->setText(goal);
    goal_->setAccessibleName(CaptionText(lang::caption::kLessonGoal) + QStringLiteral(": ") + goal);
    outcome_->clear();
    outcome_->setAccessibleName(QString());
}

void PuzzleDock::ShowOutcome(const QString& text) {
    outcome_->setText(text);
    outcome_->setAccessibleName(text);
}

PuzzleDock::Mode PuzzleDock::CurrentMode() const {
    return mode_->currentIndex() == kPractice ? kPractice : kPuzzles;
}

void PuzzleDock::Relabel() {
    setWindowTitle(CaptionText(lang::caption::kPuzzlesItem));
    mode_->setItemText(kPuzzles, CaptionText(lang::caption::kPuzzleModePuzzles));
    mode_->setItemText(kPractice, CaptionText(lang::caption::kPuzzleModePractice));
    mode_->setAccessibleName(CaptionText(lang::caption::kPuzzleModeLabel));
    answer_->setText(CaptionText(lang::caption::kPuzzleShowAnswer));
    next_->setText(CaptionText(lang::caption::kPuzzleNext));
}

}  // namespace circumvia::control
