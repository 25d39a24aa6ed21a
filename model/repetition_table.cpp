#include "repetition_table.h"

#include <algorithm>
#include <bit>

namespace circumvia {

void RepetitionTable::Fill(const GameRecord& record, int count) {
    count = std::clamp(count, 0, static_cast<int>(record.size()));
    filled_ = 0;
    // At most half full, so probes stay short and always find a free slot.
    const std::size_t capacity =
        std::max(kMinSlots, std::bit_ceil(2 * static_cast<std::size_t>(count)));
    if (slots_.size() < capacity) slots_.resize(capacity);
    std::fill(slots_.begin(), slots_.begin() + static_cast<std::ptrdiff_t>(capacity), Slot{});
    mask_ = capacity - 1;
    shift_ = 64 - std::countr_zero(capacity);
    for (int k = 0; k < count; ++k) {
        const PositionKey key = record.Key(static_cast<std::size_t>(k));
        if (key == kIrregularKey) continue;
        std::size_t i = SlotOf(key);
        while (slots_[i].key != key && slots_[i].key != kFreeSlot) i = (i + 1) & mask_;
        slots_[i].key = key;
        ++slots_[i].count;
        ++filled_;
    }
}

}  // namespace circumvia
