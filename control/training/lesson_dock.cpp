#include "control/training/lesson_dock.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "lang/counted_text.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

namespace {

constexpr int kMostStarsShown = 3;
constexpr char16_t kFullStar = u'\u2605';
constexpr char16_t kEmptyStar = u'\u2606';

QString CaptionText(int offset) {
    return QString::fromStdString(lang::Caption(lang::CaptionBase() + offset));
}

QString StarsText(int stars) {
    QString text;
    for (int i = 0; i < kMostStarsShown; ++i) text += QChar(i < stars ? kFullStar : kEmptyStar);
    return text;
}

}  // namespace

LessonDock::LessonDock(QWidget* parent)
    : QDockWidget(parent),
      list_(new QListWidget),
      heading_(new QLabel),
      goal_(new QLabel),
      outcome_(new QLabel),
      restart_(new QPushButton),
      next_(new QPushButton) {
    setObjectName(QStringLiteral("LessonDock"));
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(list_, 1);
    layout->addWidget(heading_);
    layout->addWidget(goal_);
    layout->addWidget(outcome_);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(restart_);
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
    list_->setObjectName(QStringLiteral("LessonList"));
    goal_->setObjectName(QStringLiteral("LessonGoal"));
    outcome_->setObjectName(QStringLiteral("LessonOutcome"));
    setWidget(body);
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Q_EMIT LessonChosen(list_->row(item)); });
    connect(restart_, &QPushButton::clicked, this, &LessonDock::RestartClicked);
    connect(next_, &QPushButton::clicked, this, &LessonDock::NextClicked);
    Relabel();
}

void LessonDock::ShowList(const std::vector<QString>& titles, const std::vector<int>& stars) {
    const int current = list_->currentRow();
    list_->clear();
    for (std::size_t i = 0; i < titles.size(); ++i) {
        auto* item =
            new QListWidgetItem(StarsText(stars[i]) + QStringLiteral("  ") + titles[i], list_);
        const std::string count = lang::CountedText(stars[i], lang::kStars);
        item->setData(Qt::AccessibleTextRole,
                      titles[i] + QStringLiteral(", ") + QString::fromStdString(count));
    }
    list_->setCurrentRow(current);
}

void LessonDock::ShowLesson(int index, const QString& heading, const QString& goal) {
    list_->setCurrentRow(index);
    heading_->setText(heading);
    goal_->setText(goal);
    goal_->setAccessibleName(CaptionText(lang::caption::kLessonGoal) + QStringLiteral(": ") + goal);
    outcome_->clear();
}

void LessonDock::ShowOutcome(const QString& text) {
    outcome_->setText(text);
    outcome_->setAccessibleName(text);
}

void LessonDock::Relabel() {
    setWindowTitle(CaptionText(lang::caption::kLearnItem));
    list_->setAccessibleName(CaptionText(lang::caption::kLessonList));
    restart_->setText(CaptionText(lang::caption::kLessonRestart));
    next_->setText(CaptionText(lang::caption::kLessonNext));
}

}  // namespace circumvia::control
