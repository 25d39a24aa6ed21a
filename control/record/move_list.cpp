#include "control/record/move_list.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstdio>

#include "dialogs/class_marks.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/evaluation.h"
#include "model/notation.h"

namespace circumvia::control {

namespace {

enum Column { kNumberColumn, kMoverColumn, kMoveColumn, kClassColumn, kColumns };
constexpr int kDiscSize = 12;
constexpr int kInitialWidth = 190;

// The mover's colour, as the status bar's discs show it.
QIcon SideDisc(int side) {
    QPixmap disc(kDiscSize, kDiscSize);
    disc.fill(Qt::transparent);
    QPainter painter(&disc);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setBrush(side == kRed ? QColor(255, 0, 0) : QColor(255, 255, 255));
    painter.drawEllipse(QRectF(0.5, 0.5, kDiscSize - 1, kDiscSize - 1));
    return QIcon(disc);
}

bool SameRows(const std::vector<MoveRow>& a, const std::vector<MoveRow>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const MoveRow& x, const MoveRow& y) {
                          return x.number == y.number && x.mover == y.mover && x.name == y.name &&
                                 x.notation == y.notation;
                      });
}

// A value as the mover sees it, signed; a forced win or loss as an infinity.
std::string SignedValue(int value) {
    if (value >= kWinScore) return "+\u221e";
    if (value <= kLossScore) return "\u2212\u221e";
    char text[16];
    std::snprintf(text, sizeof text, "%+d", value);
    return text;
}

}  // namespace

MoveListDock::MoveListDock(QWidget* parent)
    : QDockWidget(parent), list_(new QTreeWidget(this)), detail_(new QLabel(this)) {
    setObjectName(QStringLiteral("MoveList"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    list_->setObjectName(QStringLiteral("MoveListRows"));
    list_->setColumnCount(kColumns);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    // The highlight is the record's position, drawn by Highlight(); a click only asks.
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setStretchLastSection(true);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setMinimumWidth(kInitialWidth);
    detail_->setObjectName(QStringLiteral("MoveListDetail"));
    detail_->setWordWrap(true);
    detail_->hide();
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    layout->addWidget(detail_);
    setWidget(panel);
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { RowChosen(item); });
}

int MoveListDock::RowCount() const {
    return list_->topLevelItemCount();
}

void MoveListDock::Relabel(int base) {
    setWindowTitle(QString::fromStdString(lang::Caption(base + lang::caption::kMoveList)));
    toggleViewAction()->setStatusTip(
        QString::fromStdString(lang::Caption(base + lang::caption::kMoveListHint)));
    start_text_ = QString::fromStdString(lang::Caption(base + lang::caption::kMoveListStart));
    if (QTreeWidgetItem* start = list_->topLevelItem(0)) start->setText(kNumberColumn, start_text_);
    ShowDetail();
}

void MoveListDock::ShowGame(const Tjeu& game) {
    std::vector<MoveRow> rows = RecordedMoves(game);
    if (!built_ || !SameRows(rows, rows_)) {
        rows_ = std::move(rows);
        Rebuild(rows_);
        built_ = true;
        Highlight(game.Current);
        ShowMarks();
    } else if (game.Current != highlighted_) {
        Highlight(game.Current);
    }
    ShowDetail();
}

void MoveListDock::ShowAnalysis(const GameAnalysis& analysis) {
    analysis_ = analysis;
    ShowMarks();
    ShowDetail();
}

void MoveListDock::ShowMarks() {
    const QSignalBlocker quiet(list_);
    for (int row = 1; row < RowCount(); ++row) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        const auto at = static_cast<std::size_t>(row - 1);
        const bool analysed = at < analysis_.moves.size();
        const MoveClass move_class = analysed ? analysis_.moves[at].move_class : MoveClass::kBest;
        item->setText(kClassColumn, dialogs::ClassSymbol(move_class));
        item->setForeground(kClassColumn, dialogs::ClassColour(move_class));
        QFont font = item->font(kMoveColumn);
        font.setBold(true);
        item->setFont(kClassColumn, font);
    }
}

QString MoveListDock::MarkOf(int row) const {
    const QTreeWidgetItem* item = list_->topLevelItem(row);
    return item ? item->text(kClassColumn) : QString();
}

QString MoveListDock::Detail() const {
    return detail_->isHidden() ? QString() : detail_->text();
}

void MoveListDock::ShowDetail() {
    const auto at = static_cast<std::size_t>(highlighted_ - 1);
    if (highlighted_ < 1 || at >= analysis_.moves.size()) {
        detail_->hide();
        return;
    }
    const MoveAnalysis& move = analysis_.moves[at];
    detail_->setText(QString::fromStdString(
        lang::FormatText(lang::LoadText(lang::message::kReviewMoveDetail),
                         {std::to_string(move.number), MoveText(move.played.From, move.played.To),
                          SignedValue(move.value_played), MoveText(move.best.From, move.best.To),
                          SignedValue(move.value_best)})));
    detail_->show();
}

void MoveListDock::Rebuild(const std::vector<MoveRow>& rows) {
    const QSignalBlocker quiet(list_);
    list_->clear();
    auto* start = new QTreeWidgetItem(list_);
    start->setText(kNumberColumn, start_text_);
    start->setFirstColumnSpanned(true);
    const QIcon discs[] = {QIcon(), SideDisc(kRed), SideDisc(kWhite)};
    for (const MoveRow& row : rows) {
        auto* item = new QTreeWidgetItem(list_);
        item->setText(kNumberColumn, QString::number(row.number));
        item->setTextAlignment(kNumberColumn, Qt::AlignRight | Qt::AlignVCenter);
        if (row.mover == kRed || row.mover == kWhite) item->setIcon(kMoverColumn, discs[row.mover]);
        item->setText(kMoverColumn, QString::fromStdString(row.name));
        item->setText(kMoveColumn, QString::fromStdString(row.notation));
    }
    highlighted_ = -1;
}

void MoveListDock::Highlight(int current) {
    const QSignalBlocker quiet(list_);
    const QPalette colours = list_->palette();
    for (int row = 0; row < RowCount(); ++row) {
        QTreeWidgetItem* item = list_->topLevelItem(row);
        const bool here = row == current;
        QFont font = list_->font();
        font.setBold(here);
        for (int column = 0; column < kColumns; ++column) {
            item->setBackground(column, here ? colours.highlight() : QBrush());
            // The class mark keeps its bold colour; the rest follows the position.
            if (column == kClassColumn) continue;
            item->setFont(column, font);
            // Moves after the position on the board are only replayable: greyed.
            item->setForeground(column, here ? colours.highlightedText()
                                        : row > current
                                            ? colours.brush(QPalette::Disabled, QPalette::Text)
                                            : colours.text());
        }
    }
    highlighted_ = current >= 0 && current < RowCount() ? current : -1;
    if (highlighted_ >= 0) {
        QTreeWidgetItem* item = list_->topLevelItem(highlighted_);
        list_->setCurrentItem(item);
        list_->scrollToItem(item);
    }
}

void MoveListDock::RowChosen(QTreeWidgetItem* item) {
    if (item == nullptr) return;
    Q_EMIT MoveChosen(list_->indexOfTopLevelItem(item));
}

}  // namespace circumvia::control
