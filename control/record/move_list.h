#pragma once
// The move list: a side panel listing the recorded moves (number, mover, notation) under a
// row for the starting position, the position on the board highlighted and the replayable
// moves after it greyed. Choosing a row (click, arrow keys, Home, End) asks the window to
// go there; the window answers by showing the game again, so the highlight always shows
// where the record really is. Once the game is analysed, each move carries its class mark
// and a line under the list compares the move on the board with the best one.

#include <QDockWidget>
#include <vector>

#include "control/record/record_jump.h"
#include "model/analysis/game_analysis.h"
#include "model/tjeu.h"

class QLabel;
class QTreeWidget;
class QTreeWidgetItem;

namespace circumvia::control {

class MoveListDock : public QDockWidget {
    Q_OBJECT
public:
    explicit MoveListDock(QWidget* parent);

    // Rows from the game's record; rebuilt only when the record's moves or names changed.
    void ShowGame(const Tjeu& game);
    // The class marks and the comparison line from `analysis` (empty: none).
    void ShowAnalysis(const GameAnalysis& analysis);
    // Title, menu item, hint and the start row from the captions numbered base + k.
    void Relabel(int base);

    QTreeWidget& List() { return *list_; }
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
    void Rebuild(const std::vector<MoveRow>& rows);
    void Highlight(int current);
    void RowChosen(QTreeWidgetItem* item);
    void ShowMarks();
    void ShowDetail();

    QTreeWidget* list_;
    QLabel* detail_;
    GameAnalysis analysis_;
    std::vector<MoveRow> rows_;
    QString start_text_;
    int highlighted_ = -1;
    bool built_ = false;
};

}  // namespace circumvia::control
