#pragma once
// The move list: a side panel listing the recorded moves (number, mover, notation) under a
// row for the starting position, the position on the board highlighted and the replayable
// moves after it greyed. Choosing a row (click, arrow keys, Home, End) asks the window to
// go there; the window answers by showing the game again, so the highlight always shows
// where the record really is.

#include <QDockWidget>
#include <array>
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

    // Rows from the game's record; rebuilt only when the record's moves or names changed,
    // and not while the list is hidden: it catches up when shown. `game` must outlive the
    // list.
    void ShowGame(const Tjeu& game);
    void setVisible(bool visible) override;
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
    void Refresh();
    void Rebuild(const std::vector<MoveRow>& rows);
    void Highlight(int current);
    void StyleRow(int row, int current);
    void RowChosen(QTreeWidgetItem* item);

    QTreeWidget* list_;
    const Tjeu* game_ = nullptr;
    std::vector<MoveRow> rows_;     // without their names, which are kept once below
    std::array<QString, 3> names_;  // by side, shortened as shown; every row shares them
    QString start_text_;
    int highlighted_ = -1;
    int styled_for_ = -1;  // the position the rows' looks show; -1: none styled yet
    bool built_ = false;
    bool stale_ = false;  // the game changed while the list was hidden
};

}  // namespace circumvia::control
