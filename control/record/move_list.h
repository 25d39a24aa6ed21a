#pragma once
// The move list: a side panel listing the recorded moves (number, mover, notation) under a
// row for the starting position and, once the game is over, above a row with its result;
// the position on the board highlighted and the replayable moves after it greyed. Choosing a row
// (click, arrow keys, Home, End) asks the window to go there; the window answers by showing the
// game again, so the highlight always shows where the record really is.

#include <QDockWidget>
#include <vector>

#include "control/record/record_jump.h"
#include "model/tjeu.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace circumvia::control {

class MoveListDock : public QDockWidget {
    Q_OBJECT
public:
    explicit MoveListDock(QWidget* parent);

    // Rows from the game's record; rebuilt only when the record's moves, names or result
    // changed.
    void ShowGame(const Tjeu& game);
    // Title, menu item, hint and the start row from the captions numbered base + k.
    void Relabel(int base);

    QTreeWidget& List() { return *list_; }
    // The row of the position on the board (0 the start, k move k), or -1.
    int HighlightedRow() const { return highlighted_; }
    int RowCount() const;

Q_SIGNALS:
    // A row was chosen: 0 the start, k the position after move k.
    void MoveChosen(int index);

private:
    void Rebuild(const std::vector<MoveRow>& rows);
    void Highlight(int current);
    void RowChosen(QTreeWidgetItem* item);

    QTreeWidget* list_;
    std::vector<MoveRow> rows_;
    QString result_text_;  // empty while the game goes on
    QString start_text_;
    int highlighted_ = -1;
    bool built_ = false;
};

}  // namespace circumvia::control
