#include "control/record/move_list.h"

#include <QHeaderView>
#include <QPainter>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

namespace {

enum Column { kNumberColumn, kMoverColumn, kMoveColumn, kColumns };
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

}  // namespace

MoveListDock::MoveListDock(QWidget* parent) : QDockWidget(parent), list_(new QTreeWidget(this)) {
    setObjectName(QStringLiteral("MoveList"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    list_->setObjectName(QStringLiteral("MoveListRows"));
    list_->setColumnCount(kColumns);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    // The highlight is the record's position, drawn by Highlight(); a click only asks.
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setStretchLastSection(true);
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->setMinimumWidth(kInitialWidth);
    setWidget(list_);
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { RowChosen(item); });
}

int MoveListDock::RowCount() const {
    return list_->topLevelItemCount();
}

void MoveListDock::Relabel(int base) {
    setWindowTitle(QString::fromStdString(lang::Caption(base + lang::caption::kMoveList)));
    list_->setAccessibleName(windowTitle());
    toggleViewAction()->setStatusTip(
        QString::fromStdString(lang::Caption(base + lang::caption::kMoveListHint)));
    start_text_ = QString::fromStdString(lang::Caption(base + lang::caption::kMoveListStart));
    QStringList headers;
    for (int k : {lang::caption::kMoveListNumber, lang::caption::kMoveListPlayer,
                  lang::caption::kMoveListMove}) {
        headers << QString::fromStdString(lang::Caption(base + k));
    }
    list_->setHeaderLabels(headers);
    if (QTreeWidgetItem* start = list_->topLevelItem(0)) start->setText(kNumberColumn, start_text_);
}

void MoveListDock::ShowGame(const Tjeu& game) {
    std::vector<MoveRow> rows = RecordedMoves(game);
    if (!built_ || !SameRows(rows, rows_)) {
        rows_ = std::move(rows);
        Rebuild(rows_);
        built_ = true;
        Highlight(game.Current);
    } else if (game.Current != highlighted_) {
        Highlight(game.Current);
    }
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
            item->setFont(column, font);
            item->setBackground(column, here ? colours.highlight() : QBrush());
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
