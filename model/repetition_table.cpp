#include "repetition_table.h"

#include <algorithm>
#include <bit>

namespace circumvia {

namespace {

// At most half full, so probes stay short and always find a free slot.
std::size_t CapacityFor(std::size_t entries) {
    return std::max(RepetitionTable::kMinSlots, std::bit_ceil(2 * entries));
}

}  // namespace

void RepetitionTable::Clear(std::size_t capacity) {
    if (slots_.size() < capacity) slots_.resize(capacity);
    std::fill(slots_.begin(), slots_.begin() + static_cast<std::ptrdiff_t>(capacity), Slot{});
    mask_ = capacity - 1;
    shift_ = 64 - std::countr_zero(capacity);
    filled_ = 0;
    counted_ = 0;
}

void RepetitionTable::Add(PositionKey key, int count) {
    std::size_t i = SlotOf(key);
    while (slots_[i].key != key && slots_[i].key != kFreeSlot) i = (i + 1) & mask_;
    slots_[i].key = key;
    slots_[i].count += count;
    filled_ += count;
}

void RepetitionTable::Reserve(std::size_t entries) {
    const std::size_t capacity = CapacityFor(entries);
    if (capacity <= mask_ + 1) return;
    std::vector<Slot> kept;
    for (std::size_t i = 0; i <= mask_; ++i) {
        if (slots_[i].key != kFreeSlot) kept.push_back(slots_[i]);
    }
    const int counted = counted_;
    Clear(capacity);
    counted_ = counted;
    for (const Slot& slot : kept) Add(slot.key, slot.count);
}

void RepetitionTable::Fill(const GameRecord& record, int count) {
    const int entries = std::clamp(count, 0, static_cast<int>(record.size()));
    Clear(CapacityFor(static_cast<std::size_t>(entries)));
    Advance(record, count);
}

void RepetitionTable::Advance(const GameRecord& record, int count) {
    count = std::clamp(count, 0, static_cast<int>(record.size()));
    if (count < counted_) {
        Fill(record, count);
        return;
    }
    Reserve(static_cast<std::size_t>(count));
    for (int k = counted_; k < count; ++k) {
        const PositionKey key = record.Key(static_cast<std::size_t>(k));
        if (key != kIrregularKey) Add(key, 1);
    }
    counted_ = count;
}

}  // namespace circumvia
