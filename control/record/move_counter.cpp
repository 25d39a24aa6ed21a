#include "control/record/move_counter.h"

namespace circumvia::control {

int LastRecordedMove(const Tjeu& game) {
    std::size_t k = game.Current < 0 ? 0 : static_cast<std::size_t>(game.Current);
    while (k < game.History.size() && game.History[k].IsRecorded()) ++k;
    return static_cast<int>(k) - 1;
}

std::string MoveCounterCaption(const Tjeu& game) {
    if (game.Current < 1) return {};
    const int last = LastRecordedMove(game);
    if (game.Current == last) return std::to_string(game.Current);
    return std::to_string(game.Current) + "/" + std::to_string(last);
}

}  // namespace circumvia::control
