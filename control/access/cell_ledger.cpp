#include "control/access/cell_ledger.h"

#include <utility>

namespace circumvia::control {

CellLedger::Changes CellLedger::Update(const BoardReader& reader) {
    Changes changes;
    const bool first = !std::exchange(noted_, true);
    for (int cell = 1; cell <= kCellCount; ++cell) {
        const auto index = static_cast<std::size_t>(cell - 1);
        QString name = QString::fromStdString(reader.BoardCellName(cell));
        const bool selected = reader.BoardCellSelected(cell);
        if (!first && name != names_[index]) changes.renamed.push_back(cell);
        if (!first && selected != selected_[index]) changes.reselected.push_back(cell);
        names_[index] = std::move(name);
        selected_[index] = selected;
    }
    return changes;
}

}  // namespace circumvia::control
