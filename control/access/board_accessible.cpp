#include "control/access/board_accessible.h"

#include <QAccessible>
#include <QWidget>

#include "control/access/cell_ledger.h"
#include "model/board.h"

namespace circumvia::control {

namespace {

constexpr char kViewerName[] = "Viewer";

class BoardTable;

class BoardCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    BoardCell(BoardTable& table, int cell) : table_(table), cell_(cell) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override;
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return ColumnOf(cell_) - 1; }
    int rowIndex() const override { return RowOf(cell_) - 1; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    BoardTable& table_;
    int cell_;
};

class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    BoardTable(QWidget* viewer, const BoardReader& reader)
        : QAccessibleWidget(viewer, QAccessible::Table), reader_(reader) {}
    ~BoardTable() override {
        for (QAccessible::Id id : ids_) {
            if (id != 0) QAccessible::deleteAccessibleInterface(id);
        }
    }

    const BoardReader& Reader() const { return reader_; }
    QWidget* Viewer() const { return widget(); }

    // The cell's interface, made and registered on first use.
    QAccessibleInterface* Cell(int cell) const {
        if (!IsCell(cell)) return nullptr;
        QAccessible::Id& id = ids_[static_cast<std::size_t>(cell - 1)];
        if (id == 0) {
            id = QAccessible::registerAccessibleInterface(
                new BoardCell(*const_cast<BoardTable*>(this), cell));
        }
        return QAccessible::accessibleInterface(id);
    }

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? reader_.BoardName() : QAccessibleWidget::text(t);
    }
    int childCount() const override { return kCellCount; }
    QAccessibleInterface* child(int index) const override { return Cell(index + 1); }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int cell = 1; cell <= kCellCount; ++cell) {
            const QAccessible::Id id = ids_[static_cast<std::size_t>(cell - 1)];
            if (id != 0 && QAccessible::accessibleInterface(id) == child) return cell - 1;
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int cell = 1; cell <= kCellCount; ++cell) {
            if (Cell(cell)->rect().contains(x, y)) return Cell(cell);
        }
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override { return Cell(reader_.BoardFocusCell()); }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= kBoardSide || column < 0 || column >= kBoardSide) return nullptr;
        return Cell(CellAt(row + 1, column + 1));
    }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int column) const override { return QString::number(column + 1); }
    QString rowDescription(int row) const override { return QString(QChar(u'A' + row)); }
    int columnCount() const override { return kBoardSide; }
    int rowCount() const override { return kBoardSide; }
    int selectedCellCount() const override { return static_cast<int>(selectedCells().size()); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override {
        QList<QAccessibleInterface*> cells;
        for (int cell = 1; cell <= kCellCount; ++cell) {
            auto* table_cell = static_cast<QAccessibleTableCellInterface*>(
                Cell(cell)->interface_cast(QAccessible::TableCellInterface));
            if (table_cell->isSelected()) cells << Cell(cell);
        }
        return cells;
    }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    // Raises the events of the cells changed since the last call; the first call only
    // notes the board.
    void RaiseChangedCells() {
        const CellLedger::Changes changes = ledger_.Update(reader_);
        for (int cell : changes.renamed) {
            QAccessibleEvent event(Cell(cell), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
        for (int cell : changes.reselected) {
            QAccessible::State changed;
            changed.selected = true;
            QAccessibleStateChangeEvent event(Cell(cell), changed);
            QAccessible::updateAccessibility(&event);
        }
    }

private:
    const BoardReader& reader_;
    mutable std::array<QAccessible::Id, kCellCount> ids_{};
    CellLedger ledger_;
};

QWindow* BoardCell::window() const {
    return table_.window();
}

QAccessibleInterface* BoardCell::parent() const {
    return &table_;
}

QAccessibleInterface* BoardCell::table() const {
    return &table_;
}

QString BoardCell::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? QString::fromStdString(table_.Reader().BoardCellName(cell_))
                                  : QString();
}

QRect BoardCell::rect() const {
    const QRect local = table_.Reader().BoardCellRect(cell_);
    return QRect(table_.Viewer()->mapToGlobal(local.topLeft()), local.size());
}

bool BoardCell::isSelected() const {
    return table_.Reader().BoardCellSelected(cell_);
}

QAccessible::State BoardCell::state() const {
    QAccessible::State state;
    state.focusable = true;
    state.selectable = true;
    state.selected = isSelected();
    state.focused = table_.Reader().BoardFocusCell() == cell_ && table_.Viewer()->hasFocus();
    return state;
}

QAccessibleInterface* BoardFactory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget == nullptr || widget->objectName() != QLatin1String(kViewerName)) return nullptr;
    const auto* reader = dynamic_cast<const BoardReader*>(widget->window());
    return reader != nullptr ? new BoardTable(widget, *reader) : nullptr;
}

}  // namespace

void InstallBoardAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(BoardFactory);
        return true;
    }();
    (void)installed;
}

void AnnounceBoardFocus(QWidget* viewer, int cell) {
    if (!QAccessible::isActive() || viewer == nullptr) return;
    QAccessibleInterface* board = QAccessible::queryAccessibleInterface(viewer);
    if (board == nullptr || board->childCount() < cell) return;
    QAccessibleEvent focus(IsCell(cell) ? board->child(cell - 1) : board, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void AnnounceBoardChanges(QWidget* viewer) {
    if (!QAccessible::isActive() || viewer == nullptr) return;
    if (auto* board = dynamic_cast<BoardTable*>(QAccessible::queryAccessibleInterface(viewer))) {
        board->RaiseChangedCells();
    }
}

}  // namespace circumvia::control
