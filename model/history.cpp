#include "history.h"

#include <algorithm>

namespace circumvia {

void GameRecord::Reset() { entries_.assign(kInitialSize, HistoryEntry{}); }

void GameRecord::Grow() { entries_.resize(entries_.size() + kGrowth); }

void GameRecord::ClearAfter(std::size_t k) {
    if (k + 1 >= entries_.size()) return;
    std::fill(entries_.begin() + static_cast<std::ptrdiff_t>(k) + 1, entries_.end(),
              HistoryEntry{});
}

}  // namespace circumvia
