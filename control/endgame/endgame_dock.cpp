#include "control/endgame/endgame_dock.h"

#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
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

EndgameDock::EndgameDock(QWidget* parent)
    : QDockWidget(parent),
      verdict_(new QLabel),
      list_(new QListWidget),
      hidden_note_(new QLabel),
      feedback_(new QLabel),
      practise_win_(new QPushButton),
      practise_defence_(new QPushButton) {
    setObjectName(QStringLiteral("EndgameExplorer"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(verdict_);
    layout->addWidget(list_, 1);
    layout->addWidget(hidden_note_);
    layout->addWidget(feedback_);
    layout->addWidget(practise_win_);
    layout->addWidget(practise_defence_);
    for (QLabel* label : {verdict_, hidden_note_, feedback_}) {
        label->setWordWrap(true);
        label->setTextFormat(Qt::PlainText);
        label->setFocusPolicy(Qt::TabFocus);  // reachable by Tab, so a screen reader reads it
    }
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    hidden_note_->hide();
    verdict_->setObjectName(QStringLiteral("EndgameVerdict"));
    list_->setObjectName(QStringLiteral("EndgameMoves"));
    // The moves and their results line up in columns.
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    feedback_->setObjectName(QStringLiteral("EndgameFeedback"));
    setWidget(body);
    connect(list_, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { Q_EMIT MoveChosen(list_->row(item)); });
    connect(practise_win_, &QPushButton::clicked, this, [this] { Q_EMIT PractiseClicked(true); });
    connect(practise_defence_, &QPushButton::clicked, this,
            [this] { Q_EMIT PractiseClicked(false); });
    Relabel();
}

void EndgameDock::ShowVerdict(const QString& text) {
    verdict_->setText(text);
    verdict_->setAccessibleName(text);
}

void EndgameDock::ShowMoves(const std::vector<Row>& rows) {
    hidden_note_->hide();
    list_->show();
    list_->clear();
    for (const Row& row : rows) {
        auto* item = new QListWidgetItem(row.text, list_);
        item->setData(Qt::AccessibleTextRole, row.spoken);
    }
}

void EndgameDock::HideMoves(const QString& note) {
    list_->clear();
    list_->hide();
    hidden_note_->setText(note);
    hidden_note_->setAccessibleName(note);
    hidden_note_->show();
}

void EndgameDock::ShowFeedback(const QString& text) {
    feedback_->setText(text);
    feedback_->setAccessibleName(text);
}

void EndgameDock::EnablePractice(bool on) {
    practise_win_->setEnabled(on);
    practise_defence_->setEnabled(on);
}

void EndgameDock::Relabel() {
    setWindowTitle(CaptionText(lang::caption::kEndgameExplorer));
    list_->setAccessibleName(CaptionText(lang::caption::kEndgameMoves));
    practise_win_->setText(CaptionText(lang::caption::kPractiseWin));
    practise_defence_->setText(CaptionText(lang::caption::kPractiseDefence));
}

}  // namespace circumvia::control
