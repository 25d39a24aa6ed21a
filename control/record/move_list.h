#pragma once
// The move list: a side panel listing the recorded moves (number, mover, notation) under a
// row for the starting position and, once the game is over, above a row with its result;
// the position on the board highlighted and the replayable moves after it greyed. Choosing a
// row (click, arrow keys, Home, End) asks the window to go there; the window answers by
// showing the game again, so the highlight always shows where the record really is. The rows
// are drawn from a compact copy of the record as they come into view, each player's name kept
// once, so a record of any length costs little. Once the game is analysed, each move carries
// its class mark and a line under the list compares the move on the board with the best one.
// The list shows the whole tree of lines (tree_rows.h): each variation under the move it is
// an alternative to, indented, bracketed and in italics on a shaded ground, with the
// player's own marks after the moves and their comments in the last column; choosing any
// row goes there, and a row's context menu edits the tree (VariationEditor).

#include <QAbstractTableModel>
#include <QDockWidget>
#include <QIcon>
#include <QPalette>
#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "control/record/record_jump.h"
#include "model/analysis/game_analysis.h"
#include "model/tjeu.h"

class QLabel;
class QTreeView;

namespace circumvia::control {

// One move of the tree as the list shows it, copied so that the list never reads the game.
struct ShownRow {
    int node = kRootNode;
    int number = 0;  // the record's index on the node's line
    std::uint8_t mover = 0;
    std::uint8_t from = 0;
    std::uint8_t to = 0;
    MoveMark mark = MoveMark::kNone;
    std::uint8_t level = 0;   // 0 the main line; deeper variations indented no further than 8
    std::uint8_t closes = 0;  // ")" after the move
    bool opens = false;       // "(" before it
    bool on_line = false;     // on the record's line: greyed after the position on the board
};

// The shown rows of a game's tree, with the comments of the moves that have one.
std::vector<ShownRow> ShownRows(const Tjeu& game);
std::unordered_map<int, QString> ShownComments(const Tjeu& game, const std::vector<ShownRow>& rows);

// The rows of the list as a table: number, mover, notation with the player's mark, the
// move's class mark and the player's comment.
class MoveListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column {
        kNumberColumn,
        kMoverColumn,
        kMoveColumn,
        kClassColumn,
        kCommentColumn,
        kColumns
    };

    explicit MoveListModel(QObject* parent);

    // True when the rows' order, names or result differ from those shown (the rows are then
    // replaced; else only redrawn). An empty result while the game goes on; else the last
    // row shows it.
    bool SetRows(std::vector<ShownRow> rows, std::unordered_map<int, QString> comments,
                 std::array<QString, 3> names, QString result);
    // The tree node of a row: the start's, a move's, or for the result the last of `line`.
    int NodeOfRow(int row, const std::vector<int>& line) const;
    // The row of a node, or -1.
    int RowOfNode(int node) const;
    void SetStartText(const QString& text);
    // The column headers, read by screen readers and shown above the rows.
    void SetHeaders(QStringList headers);
    // The class of move k + 1 at k; the moves beyond them carry no mark.
    void SetClasses(std::vector<MoveClass> classes);
    // The row of the position on the board, and its move number; the rows are redrawn.
    void SetCurrent(int row, int number, const QPalette& colours);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    int ResultRow() const;  // -1 while the game goes on

private:
    std::vector<ShownRow> rows_;                 // without their names, which are kept once below
    std::unordered_map<int, QString> comments_;  // by node
    std::array<QString, 3> names_;               // by side, shortened as shown
    std::array<QIcon, 3> discs_;
    std::vector<MoveClass> classes_;
    QString start_text_;
    QStringList headers_;
    QString result_text_;  // empty while the game goes on
    QPalette colours_;
    int current_ = -1;
    int current_number_ = -1;
};

class MoveListDock : public QDockWidget {
    Q_OBJECT
public:
    explicit MoveListDock(QWidget* parent);

    // Rows from the game's record; rebuilt only when the record's moves, names or result
    // changed, and not while the list is hidden: it catches up when shown. `game` must
    // outlive the list.
    void ShowGame(const Tjeu& game);
    // The class marks and the comparison line from `analysis` (empty: none).
    void ShowAnalysis(const GameAnalysis& analysis);
    void setVisible(bool visible) override;
    // Title, menu item, hint and the start row from the captions numbered base + k.
    void Relabel(int base);

    QTreeView& List() { return *list_; }
    // The text shown in a cell, and where a row stands in the list's viewport.
    QString Text(int row, int column) const;
    QRect RowRect(int row) const;
    // The row of the position on the board (0 the start, k move k while the game has no
    // variations), or -1.
    int HighlightedRow() const { return highlighted_; }
    // The tree node a row stands for.
    int NodeOfRow(int row) const;
    int RowCount() const;
    // The row's class mark ("?!", "?", "??"), empty when it has none.
    QString MarkOf(int row) const;
    // The comparison of the highlighted move with the best one, empty without analysis.
    QString Detail() const;

Q_SIGNALS:
    // A row was chosen: the tree node it stands for.
    void NodeChosen(int node);
    // A row's context menu was asked for, at `global` on the screen.
    void ContextMenuAsked(int node, const QPoint& global);

private:
    void Refresh();
    void Highlight(int row);
    void ShowDetail();

    QTreeView* list_;
    QLabel* detail_;
    MoveListModel* model_;
    GameAnalysis analysis_;
    const Tjeu* game_ = nullptr;
    int highlighted_ = -1;
    bool stale_ = false;  // the game changed while the list was hidden
};

}  // namespace circumvia::control
