#pragma once
// What assistive technologies were last told of each cell of the board, to tell them of
// the cells that changed since: a piece moved or taken, a piece chosen or dropped, a
// destination shown or hidden.

#include <QString>
#include <array>
#include <vector>

#include "control/access/board_accessible.h"
#include "model/board.h"

namespace circumvia::control {

class CellLedger {
public:
    struct Changes {
        std::vector<int> renamed;     // cells whose name (content, choice, destination) changed
        std::vector<int> reselected;  // cells chosen or dropped
    };

    // Notes the board as `reader` reads it now; gives the cells changed since the last
    // call, none on the first.
    Changes Update(const BoardReader& reader);

private:
    std::array<QString, kCellCount> names_;
    std::array<bool, kCellCount> selected_{};
    bool noted_ = false;
};

}  // namespace circumvia::control
