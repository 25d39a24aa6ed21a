#include "history.h"

#include <algorithm>

namespace circumvia {

void GameRecord::Reset() {
    entries_.assign(kInitialSize, HistoryEntry{});
    keys_.assign(kInitialSize, KeyOf(Position{}));
}

int GameRecord::CountMatches(const Position& cells, int end) const {
    const PositionKey key = KeyOf(cells);
    const std::size_t stop =
        end <= 0 ? 0 : std::min(entries_.size(), static_cast<std::size_t>(end));
    int matches = 0;
    for (std::size_t k = 0; k < stop; ++k) {
        if (keys_[k] == key && (key != kIrregularKey || entries_[k].Cells == cells)) ++matches;
    }
    return matches;
}

void GameRecord::Set(std::size_t k, const HistoryEntry& entry) {
    entries_[k] = entry;
    keys_[k] = KeyOf(entry.Cells);
}

void GameRecord::Grow() {
    entries_.resize(entries_.size() + kGrowth);
    keys_.resize(keys_.size() + kGrowth, KeyOf(Position{}));
}

void GameRecord::ClearAfter(std::size_t k) {
    if (k + 1 >= entries_.size()) return;
    const auto first = static_cast<std::ptrdiff_t>(k) + 1;
    std::fill(entries_.begin() + first, entries_.end(), HistoryEntry{});
    std::fill(keys_.begin() + first, keys_.end(), KeyOf(Position{}));
}

}  // namespace circumvia
