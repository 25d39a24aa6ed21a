#include "control/record/record_jump.h"

#include <cstdlib>

#include "model/notation.h"

namespace circumvia::control {

int NearestStop(const std::vector<int>& stops, int current, int target) {
    int best = stops.front();
    for (int stop : stops) {
        const int distance = std::abs(stop - target);
        const int best_distance = std::abs(best - target);
        const bool towards_target = (target > current) ? stop > best : stop < best;
        if (distance < best_distance || (distance == best_distance && towards_target)) best = stop;
    }
    return best;
}

std::vector<MoveRow> RecordedMoves(const Tjeu& game) {
    std::vector<MoveRow> rows;
    // Every entry up to the current one is listed, even the null move that ended a game;
    // after it, the replayable moves up to the first unrecorded entry.
    for (std::size_t k = 1; k < game.History.size(); ++k) {
        const HistoryEntry& entry = game.History[k];
        if (static_cast<int>(k) > game.Current && !entry.IsRecorded()) break;
        MoveRow row{static_cast<int>(k), entry.Mover, {}, MoveText(entry.From, entry.To)};
        if (entry.IsRecorded()) row.name = game.PlayerOf(entry.Mover).Name;
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace circumvia::control
