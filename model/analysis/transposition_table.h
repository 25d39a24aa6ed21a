#pragma once
// What the review's search remembers of the nodes it has searched for one position (a
// generation): per node, the best move found last (tried first when the node comes back,
// at any depth), and the value with its bound for the depth left and the repetition
// penalty it was found with. A node's value depends on exactly those, so a value is only
// ever reused for them. One slot per hash index, the newest search winning; allocated once.

#include <cstdint>
#include <vector>

#include "model/board.h"
#include "model/frontier_table.h"
#include "model/move.h"
#include "model/position_key.h"

namespace circumvia {

enum class Bound : std::uint8_t { kNone, kExact, kLower, kUpper };

struct NodeMemory {
    PositionKey key = kIrregularKey;
    Penalty penalty = 0;
    int value = 0;
    Move best;
    std::uint8_t side = 0;
    std::int8_t remaining = 0;  // levels left to expand below the node
    Bound bound = Bound::kNone;
    std::uint32_t generation = 0;
};

class TranspositionTable {
public:
    TranspositionTable() : slots_(kSlots) {}

    // The slot's memory when it is about this position and side, else nullptr.
    const NodeMemory* Find(PositionKey key, Side side) const {
        const NodeMemory& slot = slots_[Index(key, side)];
        return slot.key == key && slot.side == side ? &slot : nullptr;
    }
    // Starts reading the slot of this node, for a Find that follows soon.
    void Prefetch(PositionKey key, Side side) const {
        __builtin_prefetch(&slots_[Index(key, side)]);
    }
    // Stamps the memory with the current generation.
    void Store(NodeMemory memory) {
        memory.generation = generation_;
        slots_[Index(memory.key, memory.side)] = memory;
    }
    // Values stored from now on belong to a new set of repetition counts.
    void NewGeneration() { ++generation_; }
    std::uint32_t Generation() const { return generation_; }

private:
    static constexpr int kSlotBits = 18;
    static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;

    static std::size_t Index(PositionKey key, Side side) {
        const std::uint64_t hash = (key + static_cast<std::uint64_t>(side)) * 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(hash >> (64 - kSlotBits));
    }

    std::vector<NodeMemory> slots_;
    std::uint32_t generation_ = 1;
};

}  // namespace circumvia
