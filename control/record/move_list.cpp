#include "control/record/move_list.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QSignalBlocker>
#include <QTreeView>
#include <QVBoxLayout>
#include <cstdio>

#include "control/record/tree_rows.h"
#include "control/turns/turn_loop.h"
#include "dialogs/class_marks.h"
#include "dialogs/display_text.h"
#include "dialogs/review_text.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/evaluation.h"
#include "model/notation.h"
#include "model/tree_edits.h"

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

// The same rows in the same places: only their look may differ.
bool SameLayout(const std::vector<ShownRow>& a, const std::vector<ShownRow>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const ShownRow& x, const ShownRow& y) {
                          return x.node == y.node && x.number == y.number && x.mover == y.mover &&
                                 x.from == y.from && x.to == y.to && x.level == y.level &&
                                 x.opens == y.opens && x.closes == y.closes;
                      });
}

// Deeper variations are indented no further: the list stays readable in its narrow dock.
constexpr int kMaxShownLevel = 8;
constexpr int kMaxShownCloses = 255;
const QString kIndent = QStringLiteral("   ");

bool IsSide(int mover) {
    return mover == kRed || mover == kWhite;
}

}  // namespace

MoveListModel::MoveListModel(QObject* parent)
    : QAbstractTableModel(parent), discs_{QIcon(), SideDisc(kRed), SideDisc(kWhite)} {}

std::vector<ShownRow> ShownRows(const Tjeu& game) {
    const GameTree& tree = game.Tree;
    const std::vector<int>& line = tree.Line();
    std::vector<ShownRow> rows;
    const std::vector<TreeRow> laid = TreeRows(tree);
    rows.reserve(laid.size());
    for (const TreeRow& row : laid) {
        const TreeNode& node = tree.Node(row.node);
        const auto number = static_cast<std::size_t>(row.number);
        rows.push_back({row.node, row.number, node.Entry.Mover, node.Entry.From, node.Entry.To,
                        node.Mark, static_cast<std::uint8_t>(std::min(row.level, kMaxShownLevel)),
                        static_cast<std::uint8_t>(std::min(row.closes, kMaxShownCloses)), row.opens,
                        number < line.size() && line[number] == row.node});
    }
    return rows;
}

std::unordered_map<int, QString> ShownComments(const Tjeu& game,
                                               const std::vector<ShownRow>& rows) {
    std::unordered_map<int, QString> comments;
    if (const std::string& comment = game.Tree.Comment(kRootNode); !comment.empty())
        comments.emplace(kRootNode, QString::fromStdString(comment));  // before the first move
    for (const ShownRow& row : rows) {
        if (const std::string& comment = game.Tree.Comment(row.node); !comment.empty())
            comments.emplace(row.node, QString::fromStdString(comment));
    }
    return comments;
}

bool MoveListModel::SetRows(std::vector<ShownRow> rows, std::unordered_map<int, QString> comments,
                            std::array<QString, 3> names, QString result) {
    if (names == names_ && result == result_text_ && SameLayout(rows, rows_)) {
        // Marks, comments and the record's line may have changed: redrawn in place.
        rows_ = std::move(rows);
        comments_ = std::move(comments);
        if (rowCount() > 1) Q_EMIT dataChanged(index(1, 0), index(rowCount() - 1, kColumns - 1));
        return false;
    }
    beginResetModel();
    rows_ = std::move(rows);
    comments_ = std::move(comments);
    names_ = std::move(names);
    result_text_ = std::move(result);
    current_ = -1;
    endResetModel();
    return true;
}

int MoveListModel::NodeOfRow(int row, const std::vector<int>& line) const {
    if (row <= 0) return kRootNode;
    if (row == ResultRow()) return line.back();
    const auto at = static_cast<std::size_t>(row - 1);
    return at < rows_.size() ? rows_[at].node : kNoNode;
}

int MoveListModel::RowOfNode(int node) const {
    if (node == kRootNode) return 0;
    const auto found = std::find_if(rows_.begin(), rows_.end(),
                                    [node](const ShownRow& row) { return row.node == node; });
    return found == rows_.end() ? -1 : static_cast<int>(found - rows_.begin()) + 1;
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

void MoveListModel::SetCurrent(int row, int number, const QPalette& colours) {
    current_ = row;
    current_number_ = number;
    colours_ = colours;
    // The view redraws only the rows in sight.
    if (rowCount() > 0) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
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
    const ShownRow* move = row > 0 && !result && static_cast<std::size_t>(row - 1) < rows_.size()
                               ? &rows_[static_cast<std::size_t>(row - 1)]
                               : nullptr;
    const bool variation = move != nullptr && move->level > 0;
    if (column == kClassColumn) {
        // The review's classes are those of the main line's moves; the start, the result and
        // the variations carry none, and a move without one shows nothing.
        const auto at = static_cast<std::size_t>(move ? move->number - 1 : 0);
        const bool classed = move != nullptr && !variation && at < classes_.size();
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
                return here        ? QVariant(colours_.highlight())
                       : variation ? QVariant(colours_.alternateBase())
                                   : QVariant();
            default:
                return {};
        }
    }
    const auto comment = comments_.find(move ? move->node : row == 0 ? kRootNode : kNoNode);
    switch (role) {
        case Qt::DisplayRole: {
            if (row == 0) {
                // The start row spans the list: a comment before the first move follows it.
                if (column != kNumberColumn) return {};
                if (comment == comments_.end()) return start_text_;
                return start_text_ + QStringLiteral("  ") + comment->second.simplified();
            }
            if (result) return column == kNumberColumn ? QVariant(result_text_) : QVariant();
            if (move == nullptr) return {};
            if (column == kNumberColumn) return QString::number(move->number);
            if (column == kMoverColumn)
                return IsSide(move->mover) ? names_[move->mover] : QString();
            if (column == kCommentColumn) {
                if (comment == comments_.end()) return {};
                return comment->second.simplified();  // its lines run on in the row
            }
            QString shown = kIndent.repeated(move->level);
            if (move->opens) shown += QLatin1Char('(');
            shown += QString::fromStdString(MoveText(move->from, move->to));
            shown += QLatin1String(MarkText(move->mark).data(),
                                   static_cast<qsizetype>(MarkText(move->mark).size()));
            shown += QString(move->closes, QLatin1Char(')'));
            return shown;
        }
        case Qt::ToolTipRole:
            return comment != comments_.end() ? QVariant(comment->second) : QVariant();
        case Qt::AccessibleTextRole: {
            // Read aloud, the mover's disc is its colour's name, and a variation's move says so.
            const QString shown = data(index, Qt::DisplayRole).toString();
            if (move == nullptr) return shown;
            if (column == kMoveColumn && variation) {
                return QString::fromStdString(lang::FormatText(
                    lang::Caption(lang::CaptionBase() + lang::caption::kVariationRow),
                    {shown.trimmed().toStdString()}));
            }
            if (column != kMoverColumn || !IsSide(move->mover)) return shown;
            const int colour = move->mover == kWhite ? lang::caption::kSetupWhiteGroup
                                                     : lang::caption::kSetupRedGroup;
            return QString::fromStdString(lang::Caption(lang::CaptionBase() + colour)) +
                   QStringLiteral(", ") + shown;
        }
        case Qt::DecorationRole: {
            if (move == nullptr || column != kMoverColumn) return {};
            return IsSide(move->mover) ? QVariant(discs_[move->mover]) : QVariant();
        }
        case Qt::TextAlignmentRole:
            return move != nullptr && column == kNumberColumn
                       ? QVariant(int(Qt::AlignRight | Qt::AlignVCenter))
                       : QVariant();
        case Qt::FontRole: {
            if (!here && !variation) return {};
            QFont font;
            font.setBold(here);
            font.setItalic(variation);
            return font;
        }
        case Qt::BackgroundRole:
            return here        ? QVariant(colours_.highlight())
                   : variation ? QVariant(colours_.alternateBase())
                               : QVariant();
        case Qt::ForegroundRole:
            if (here) return colours_.highlightedText();
            // The record's moves after the position on the board are only replayable: greyed.
            // The result row is never greyed.
            if (move != nullptr && move->on_line && move->number > current_number_ &&
                current_number_ >= 0)
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
                if (!current.isValid()) return;
                if (const int node = NodeOfRow(current.row()); node != kNoNode)
                    Q_EMIT NodeChosen(node);
            });
    // The tree's editing on a row: by the mouse, or by the menu key on the current row.
    list_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(list_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QModelIndex row = list_->indexAt(at);
        QPoint where = at;
        if (!row.isValid()) {
            row = list_->currentIndex();
            where = list_->visualRect(row).center();
        }
        if (!row.isValid()) return;
        if (const int node = NodeOfRow(row.row()); node != kNoNode)
            Q_EMIT ContextMenuAsked(node, list_->viewport()->mapToGlobal(where));
    });
}

int MoveListDock::NodeOfRow(int row) const {
    if (game_ == nullptr) return kNoNode;
    return model_->NodeOfRow(row, game_->Tree.Line());
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
    headers << QString()
            << QString::fromStdString(lang::Caption(base + lang::caption::kCommentTitle));
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
    // The analysis is the main line's: a move in a variation has no detail.
    const int current = game_ != nullptr ? game_->Current : 0;
    const bool on_main_line = game_ != nullptr && highlighted_ >= 1 &&
                              VariationStart(game_->Tree, game_->CurrentNode()) == kNoNode;
    const auto at = static_cast<std::size_t>(current - 1);
    if (!on_main_line || current < 1 || at >= analysis_.moves.size()) {
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
    std::vector<ShownRow> rows = ShownRows(game);
    std::unordered_map<int, QString> comments = ShownComments(game, rows);
    if (model_->SetRows(std::move(rows), std::move(comments), std::move(names), std::move(result)))
        highlighted_ = -1;
    Highlight(model_->RowOfNode(game.CurrentNode()));
    ShowDetail();
}

void MoveListDock::Highlight(int row) {
    const QSignalBlocker quiet(list_->selectionModel());
    const bool moved = row != highlighted_;
    model_->SetCurrent(row, game_ != nullptr ? game_->Current : -1, list_->palette());
    highlighted_ = row >= 0 && row < RowCount() ? row : -1;
    if (!moved) return;
    if (highlighted_ >= 0) {
        const QModelIndex shown = model_->index(highlighted_, MoveListModel::kNumberColumn);
        list_->setCurrentIndex(shown);
        list_->scrollTo(shown);
        // At the last move, the result under it comes into view too.
        if (const int result = model_->ResultRow(); result == highlighted_ + 1)
            list_->scrollTo(model_->index(result, MoveListModel::kNumberColumn));
    }
}

}  // namespace circumvia::control
