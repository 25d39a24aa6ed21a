#pragma once
// The move list: a side panel listing the recorded moves (number, mover, notation) under a
// row for the starting position and, once the game is over, above a row with its result;
// the position on the board highlighted and the replayable moves after it greyed. Choosing a
// row (click, arrow keys, Home, End) asks the window to go there; the window answers by
// showing the game again, so the highlight always shows where the record really is. The rows
// are drawn from a compact copy of the record as they come into view, each player's name kept
// once, so a record of any length costs little. Once the game is analysed, each move carries
// its class mark and a line under the list compares the move on the board with the best one.

#include <QAbstractTableModel>
#include <QDockWidget>
#include <QIcon>
#include <QPalette>
#include <array>
#include <vector>

#include "control/record/record_jump.h"
#include "model/analysis/game_analysis.h"
#include "model/tjeu.h"

class QLabel;
class QTreeView;

namespace circumvia::control {

// The rows of the list as a table: number, mover, notation and the move's class mark.
class MoveListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kNumberColumn, kMoverColumn, kMoveColumn, kClassColumn, kColumns };

    explicit MoveListModel(QObject* parent);

    // True when the rows, names or result differ from those shown (the rows are then
    // replaced). An empty result while the game goes on; else the last row shows it.
    bool SetRows(std::vector<MoveRow> rows, std::array<QString, 3> names, QString result);
    void SetStartText(const QString& text);
    // The column headers, read by screen readers and shown above the rows.
    void SetHeaders(QStringList headers);
    // The class of move k + 1 at k; the moves beyond them carry no mark.
    void SetClasses(std::vector<MoveClass> classes);
    // The row of the position on the board; the rows whose look changes are redrawn.
    void SetCurrent(int current, const QPalette& colours);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    int ResultRow() const;  // -1 while the game goes on

private:
    std::vector<MoveRow> rows_;     // without their names, which are kept once below
    std::array<QString, 3> names_;  // by side, shortened as shown
    std::array<QIcon, 3> discs_;
    std::vector<MoveClass> classes_;
    QString start_text_;
    QStringList headers_;
    QString result_text_;  // empty while the game goes on
    QPalette colours_;
    int current_ = -1;
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
    // The row of the position on the board (0 the start, k move k), or -1.
    int HighlightedRow() const { return highlighted_; }
    int RowCount() const;
    // The row's class mark ("?!", "?", "??"), empty when it has none.
    QString MarkOf(int row) const;
    // The comparison of the highlighted move with the best one, empty without analysis.
    QString Detail() const;

Q_SIGNALS:
    // A row was chosen: 0 the start, k the position after move k.
    void MoveChosen(int index);

private:
    void Refresh();
    void Highlight(int current);
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
