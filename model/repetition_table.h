#pragma once
// How often each position occurs among the first entries of a game record, for the
// search's repetition penalty: one hash probe per position instead of a pass over the
// record. Keys are exact (position_key.h), so a key match is a position match.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "history.h"

namespace circumvia {

class RepetitionTable {
public:
    // Room for records of kMinSlots / 2 entries from the start.
    RepetitionTable() : slots_(kMinSlots) {}

    // Counts entries 0..count-1 of `record`. Allocates only when the record has outgrown
    // every earlier fill.
    void Fill(const GameRecord& record, int count);
    // The same, counting only the entries after those counted so far: `record` must be the
    // record of the last Fill or Advance, unchanged in the entries counted then. Walking a
    // record forwards so costs one probe per entry in all. A count below the one counted
    // so far fills afresh.
    void Advance(const GameRecord& record, int count);

    // The number of counted entries with this key; `key` must be a regular key.
    int Count(PositionKey key) const {
        if (filled_ == 0) return 0;
        for (std::size_t i = SlotOf(key);; i = (i + 1) & mask_) {
            const Slot& slot = slots_[i];
            if (slot.key == key) return slot.count;
            if (slot.key == kFreeSlot) return 0;
        }
    }

    static constexpr std::size_t kMinSlots = 256;

private:
    // No regular position has this key, and irregular entries are never counted.
    static constexpr PositionKey kFreeSlot = kIrregularKey;

    struct Slot {
        PositionKey key = kFreeSlot;
        int count = 0;
    };

    std::size_t SlotOf(PositionKey key) const {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> shift_);
    }
    // Empties the first `capacity` slots and hashes into them.
    void Clear(std::size_t capacity);
    void Add(PositionKey key, int count);
    // Room for `entries` counted entries at most half full, the counts kept.
    void Reserve(std::size_t entries);

    std::vector<Slot> slots_;
    std::size_t mask_ = 0;
    int shift_ = 64;
    int filled_ = 0;   // regular entries counted
    int counted_ = 0;  // entries 0..counted_-1 of the record are in
};

}  // namespace circumvia
