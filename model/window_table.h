#pragma once
// Nodes above the frontier, kept with the window they were searched in: the score they
// returned and the number of positions their search visited, themselves included.
//
// A node's search depends only on its position, its side, the depth left, its window and
// the penalty it is entered with (and on the record, fixed for one search). Deep searches
// meet the same position with the same window and penalty again and again through other
// move orders (about half the nodes just above the frontier of an endgame), and such a
// node returns what it returned the first time and visits the same positions: they are
// counted again without being visited again. A node met with any other window is searched.
//
// The repetition counts depend on the game record, so every search starts a new
// generation and earlier generations are no longer found.

#include <array>
#include <cstdint>
#include <limits>

#include "board.h"
#include "frontier_table.h"
#include "position_key.h"
#include "zeroed_table.h"

namespace circumvia {

// What a node's search is fixed by.
struct SearchedWindow {
    PositionKey key = 0;
    Side side = 0;
    int depth_left = 0;  // levels that expand below the node's own
    int alpha = 0;
    int beta = 0;
    Penalty penalty = 0;
};

// What it came to.
struct WindowResult {
    std::int64_t nodes = 0;  // positions visited, the node itself included
    int score = 0;
};

class WindowTable {
public:
    WindowTable() : buckets_(kBuckets) {}

    // Forgets every node kept so far.
    void NewGeneration() {
        if (++generation_ == 0) {
            buckets_.Clear();
            generation_ = 1;
        }
    }

    bool Find(const SearchedWindow& window, WindowResult& result) const {
        const std::uint64_t tag = Tag(window);
        for (const Slot& slot : buckets_[Index(tag, window)].slots) {
            if (Holds(slot, tag, window)) {
                result = {slot.nodes, slot.score};
                return true;
            }
        }
        return false;
    }

    // Keeps the result, unless its numbers do not fit a slot. A node new to its bucket
    // goes first, and the bucket's first node moves second in place of the one there.
    void Store(const SearchedWindow& window, const WindowResult& result) {
        if (window.penalty > std::numeric_limits<std::int32_t>::max() ||
            result.nodes > std::numeric_limits<std::uint32_t>::max()) {
            return;
        }
        const std::uint64_t tag = Tag(window);
        Bucket& bucket = buckets_[Index(tag, window)];
        Slot* slot = &bucket.slots[0];
        if (Holds(bucket.slots[1], tag, window)) {
            slot = &bucket.slots[1];
        } else if (!Holds(bucket.slots[0], tag, window)) {
            bucket.slots[1] = bucket.slots[0];
        }
        *slot = Slot{tag,          window.alpha,
                     window.beta,  static_cast<std::int32_t>(window.penalty),
                     result.score, static_cast<std::uint32_t>(result.nodes),
                     generation_};
    }

private:
    static constexpr int kBucketBits = 14;
    static constexpr std::size_t kBuckets = std::size_t{1} << kBucketBits;

    // Half a cache line. Generation 0 is never current, so a zeroed slot is free.
    struct Slot {
        std::uint64_t tag;
        std::int32_t alpha;
        std::int32_t beta;
        std::int32_t penalty;
        std::int32_t score;
        std::uint32_t nodes;
        std::uint16_t generation;
    };
    static_assert(sizeof(Slot) == 32);

    struct alignas(64) Bucket {
        std::array<Slot, 2> slots;
    };

    // Keys stay below 3^36 < 2^58: the side (one bit) and the depth left (at most 19, five
    // bits) take the six bits above.
    static std::uint64_t Tag(const SearchedWindow& window) {
        return window.key | (static_cast<std::uint64_t>(window.side == kWhite) << 58) |
               (static_cast<std::uint64_t>(window.depth_left) << 59);
    }
    static std::size_t Index(std::uint64_t tag, const SearchedWindow& window) {
        const std::uint64_t mixed =
            tag ^
            (static_cast<std::uint64_t>(static_cast<std::uint32_t>(window.alpha)) *
             0xC2B2AE3D27D4EB4Full) ^
            (static_cast<std::uint64_t>(window.penalty) << 32) ^
            static_cast<std::uint32_t>(window.beta);
        return static_cast<std::size_t>((mixed * 0x9E3779B97F4A7C15ull) >> (64 - kBucketBits));
    }
    bool Holds(const Slot& slot, std::uint64_t tag, const SearchedWindow& window) const {
        return slot.tag == tag && slot.generation == generation_ && slot.alpha == window.alpha &&
               slot.beta == window.beta && slot.penalty == window.penalty;
    }

    ZeroedTable<Bucket> buckets_;
    std::uint16_t generation_ = 0;
};

}  // namespace circumvia
