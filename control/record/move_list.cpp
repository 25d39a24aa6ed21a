#include "control/record/move_list.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>
#include <cstdio>

#include "control/turns/turn_loop.h"
#include "dialogs/class_marks.h"
#include "dialogs/display_text.h"
#include "dialogs/review_text.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/evaluation.h"
#include "model/notation.h"

namespace circumvia::control {

namespace {

// The list keeps its arrow keys also at its first and last rows, where a plain view lets
// them on to the window, whose arrows walk the board's cursor or tilt the board.
class MoveListView : public QTreeView {
public:
    using QTreeView::QTreeView;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        QTreeView::keyPressEvent(event);
        switch (event->key()) {
            case Qt::Key_Up:
            case Qt::Key_Down:
            case Qt::Key_Left:
            case Qt::Key_Right:
            case Qt::Key_PageUp:
            case Qt::Key_PageDown:
            case Qt::Key_Home:
            case Qt::Key_End:
                event->accept();
                break;
            default:
                break;
        }
    }
};

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
    return std::equal(
        a.begin(), a.end(), b.begin(), b.end(), [](const MoveRow& x, const MoveRow& y) {
            return x.number == y.number && x.mover == y.mover && x.notation == y.notation;
        });
}

bool IsSide(int mover) {
    return mover == kRed || mover == kWhite;
}

}  // namespace

MoveListModel::MoveListModel(QObject* parent)
    : QAbstractTableModel(parent), discs_{QIcon(), SideDisc(kRed), SideDisc(kWhite)} {}

bool MoveListModel::SetRows(std::vector<MoveRow> rows, std::array<QString, 3> names,
                            QString result) {
    for (MoveRow& row : rows) row.name = {};  // a view into the game: not kept
    if (names == names_ && result == result_text_ && SameRows(rows, rows_)) return false;
    beginResetModel();
    rows_ = std::move(rows);
    names_ = std::move(names);
    result_text_ = std::move(result);
    current_ = -1;
    endResetModel();
    return true;
}

void MoveListModel::SetStartText(const QString& text) {
    start_text_ = text;
    Q_EMIT dataChanged(index(0, kNumberColumn), index(0, kNumberColumn));
}

void MoveListModel::SetClasses(std::vector<MoveClass> classes) {
    classes_ = std::move(classes);
    if (rowCount() > 1)
        Q_EMIT dataChanged(index(1, kClassColumn), index(rowCount() - 1, kClassColumn));
}

void MoveListModel::SetCurrent(int current, const QPalette& colours) {
    const int before = current_;
    current_ = current;
    colours_ = colours;
    // Only the rows between the old and the new position change their look.
    const int last_row = rowCount() - 1;
    const int first = std::clamp(before < 0 ? current : std::min(before, current), 0, last_row);
    const int last = before < 0 ? last_row : std::clamp(std::max(before, current), 0, last_row);
    if (last_row >= 0 && first <= last)
        Q_EMIT dataChanged(index(first, 0), index(last, kColumns - 1));
}

int MoveListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return static_cast<int>(rows_.size()) + (result_text_.isEmpty() ? 1 : 2);
}

int MoveListModel::ResultRow() const {
    return result_text_.isEmpty() ? -1 : static_cast<int>(rows_.size()) + 1;
}

void MoveListModel::SetHeaders(QStringList headers) {
    headers_ = std::move(headers);
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
}

QVariant MoveListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section >= headers_.size())
        return {};
    return headers_[section];
}

int MoveListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant MoveListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int row = index.row();
    const int column = index.column();
    const bool here = row == current_;
    const bool result = row == ResultRow();
    if (column == kClassColumn) {
        // The start and the result rows carry no class; a move without one shows nothing.
        const auto at = static_cast<std::size_t>(row - 1);
        const bool classed = row > 0 && !result && at < classes_.size();
        const MoveClass move_class = classed ? classes_[at] : MoveClass::kBest;
        switch (role) {
            case Qt::DisplayRole:
                return classed ? QVariant(dialogs::ClassSymbol(move_class)) : QVariant();
            case Qt::FontRole: {
                // The mark keeps its bold colour whatever the position on the board.
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            case Qt::ForegroundRole:
                return classed ? QVariant(QBrush(dialogs::ClassColour(move_class))) : QVariant();
            case Qt::BackgroundRole:
                return here ? QVariant(colours_.highlight()) : QVariant();
            default:
                return {};
        }
    }
    switch (role) {
        case Qt::DisplayRole: {
            if (row == 0) return column == kNumberColumn ? QVariant(start_text_) : QVariant();
            if (result) return column == kNumberColumn ? QVariant(result_text_) : QVariant();
            const MoveRow& move = rows_[static_cast<std::size_t>(row - 1)];
            if (column == kNumberColumn) return QString::number(move.number);
            if (column == kMoverColumn) return IsSide(move.mover) ? names_[move.mover] : QString();
            return QString::fromStdString(move.notation);
        }
        case Qt::AccessibleTextRole: {
            // Read aloud, the mover's disc is its colour's name.
            const QString shown = data(index, Qt::DisplayRole).toString();
            if (row == 0 || result || column != kMoverColumn) return shown;
            const int mover = rows_[static_cast<std::size_t>(row - 1)].mover;
            if (!IsSide(mover)) return shown;
            const int colour =
                mover == kWhite ? lang::caption::kSetupWhiteGroup : lang::caption::kSetupRedGroup;
            return QString::fromStdString(lang::Caption(lang::CaptionBase() + colour)) +
                   QStringLiteral(", ") + shown;
        }
        case Qt::DecorationRole: {
            if (row == 0 || result || column != kMoverColumn) return {};
            const int mover = rows_[static_cast<std::size_t>(row - 1)].mover;
            return IsSide(mover) ? QVariant(discs_[mover]) : QVariant();
        }
        case Qt::TextAlignmentRole:
            return row > 0 && !result && column == kNumberColumn
                       ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                       : QVariant();
        case Qt::FontRole: {
            if (!here) return {};
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        case Qt::BackgroundRole:
            return here ? QVariant(colours_.highlight()) : QVariant();
        case Qt::ForegroundRole:
            // Moves after the position on the board are only replayable: greyed.
            if (here) return colours_.highlightedText();
            // The result row is never greyed.
            if (current_ >= 0 && row > current_ && !result)
                return colours_.brush(QPalette::Disabled, QPalette::Text);
            return {};
        default:
            return {};
    }
}

MoveListDock::MoveListDock(QWidget* parent)
    : QDockWidget(parent),
      list_(new MoveListView(this)),
      detail_(new QLabel(this)),
      model_(new MoveListModel(this)) {
    setObjectName(QStringLiteral("MoveList"));
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    list_->setObjectName(QStringLiteral("MoveListRows"));
    list_->setModel(model_);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    // The highlight is the record's position, drawn by Highlight(); a click only asks.
    list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->header()->setStretchLastSection(true);
    // Measured on the rows in view, not on every row of a long record.
    list_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    list_->header()->setResizeContentsPrecision(100);
    list_->setMinimumWidth(kInitialWidth);
    // A horizontal scroll bar would come and go as the columns follow the rows in view,
    // and cover the last row that a scroll had just brought into view.
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    detail_->setObjectName(QStringLiteral("MoveListDetail"));
    detail_->setWordWrap(true);
    detail_->hide();
    auto* panel = new QWidget(this);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
    layout->addWidget(detail_);
    setWidget(panel);
    connect(model_, &QAbstractItemModel::modelReset, this, [this] {
        list_->setFirstColumnSpanned(0, {}, true);
        if (const int result = model_->ResultRow(); result >= 0)
            list_->setFirstColumnSpanned(result, {}, true);
    });
    connect(list_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) Q_EMIT MoveChosen(current.row());
            });
}

int MoveListDock::RowCount() const {
    return model_->rowCount();
}

QString MoveListDock::Text(int row, int column) const {
    return model_->index(row, column).data().toString();
}

QString MoveListDock::MarkOf(int row) const {
    return Text(row, MoveListModel::kClassColumn);
}

QString MoveListDock::Detail() const {
    return detail_->isHidden() ? QString() : detail_->text();
}

QRect MoveListDock::RowRect(int row) const {
    return list_->visualRect(model_->index(row, MoveListModel::kNumberColumn));
}

void MoveListDock::Relabel(int base) {
    setWindowTitle(QString::fromStdString(lang::Caption(base + lang::caption::kMoveList)));
    list_->setAccessibleName(windowTitle());
    toggleViewAction()->setStatusTip(
        QString::fromStdString(lang::Caption(base + lang::caption::kMoveListHint)));
    model_->SetStartText(
        QString::fromStdString(lang::Caption(base + lang::caption::kMoveListStart)));
    QStringList headers;
    for (int k : {lang::caption::kMoveListNumber, lang::caption::kMoveListPlayer,
                  lang::caption::kMoveListMove}) {
        headers << QString::fromStdString(lang::Caption(base + k));
    }
    model_->SetHeaders(std::move(headers));
    ShowDetail();
}

void MoveListDock::ShowGame(const Tjeu& game) {
    game_ = &game;
    stale_ = true;
    if (!isHidden()) Refresh();
}

void MoveListDock::ShowAnalysis(const GameAnalysis& analysis) {
    analysis_ = analysis;
    std::vector<MoveClass> classes;
    classes.reserve(analysis_.moves.size());
    for (const MoveAnalysis& move : analysis_.moves) classes.push_back(move.move_class);
    model_->SetClasses(std::move(classes));
    ShowDetail();
}

void MoveListDock::ShowDetail() {
    const auto at = static_cast<std::size_t>(highlighted_ - 1);
    if (highlighted_ < 1 || at >= analysis_.moves.size()) {
        detail_->hide();
        return;
    }
    const MoveAnalysis& move = analysis_.moves[at];
    // Values in pieces with the mover's winning chance; where the endgame table judged the
    // move, its verdict beside them.
    const std::string played = dialogs::MoveValueText(move, true);
    const std::string best = dialogs::MoveValueText(move, false);
    std::string text =
        lang::FormatText(lang::LoadText(lang::message::kReviewMoveDetail),
                         {std::to_string(move.number), MoveText(move.played.From, move.played.To),
                          played, MoveText(move.best.From, move.best.To), best});
    // Why, for a marked move: the reply that punishes it.
    if (game_ != nullptr && static_cast<std::size_t>(move.number) < game_->History.size()) {
        const std::string why = dialogs::PunishingLineText(
            move, game_->History[static_cast<std::size_t>(move.number)].Cells,
            {std::string(), dialogs::ShownNameUtf8(game_->PlayerOf(kRed).Name),
             dialogs::ShownNameUtf8(game_->PlayerOf(kWhite).Name)});
        if (!why.empty()) {
            text += '\n';
            text += why;
        }
    }
    detail_->setText(QString::fromStdString(text));
    detail_->show();
}

void MoveListDock::setVisible(bool visible) {
    QDockWidget::setVisible(visible);
    if (visible && stale_ && game_ != nullptr) Refresh();
}

void MoveListDock::Refresh() {
    stale_ = false;
    const Tjeu& game = *game_;
    std::array<QString, 3> names;
    for (const Side side : {kRed, kWhite})
        names[side] = dialogs::ShownName(game.PlayerOf(side).Name);
    QString result = QString::fromStdString(ResultText(game));
    if (model_->SetRows(RecordedMoves(game), std::move(names), std::move(result))) {
        highlighted_ = -1;
        Highlight(game.Current);
    } else if (game.Current != highlighted_) {
        Highlight(game.Current);
    }
    ShowDetail();
}

void MoveListDock::Highlight(int current) {
    const QSignalBlocker quiet(list_->selectionModel());
    model_->SetCurrent(current, list_->palette());
    highlighted_ = current >= 0 && current < RowCount() ? current : -1;
    if (highlighted_ >= 0) {
        const QModelIndex row = model_->index(highlighted_, MoveListModel::kNumberColumn);
        list_->setCurrentIndex(row);
        list_->scrollTo(row);
        // At the last move, the result under it comes into view too.
        if (const int result = model_->ResultRow(); result == highlighted_ + 1)
            list_->scrollTo(model_->index(result, MoveListModel::kNumberColumn));
    }
}

}  // namespace circumvia::control
