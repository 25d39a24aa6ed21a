#pragma once
// What the leaves of a frontier node (a node whose children are all leaves) come to, kept
// by position for the rest of the search.
//
// Deep searches reach the same frontier position again and again through different move
// orders (nine in ten frontier nodes of an endgame), each time with its own window and
// penalty. Its leaves are always the same moves in the same order with the same values
// and repetition counts, so their values before the node's own penalty can be kept; of
// those only the ones that raise the best so far matter. They tell, for any window and
// penalty, how many leaves the node visits before it is cut off and the score it returns,
// exactly as visiting them would: the positions visited are counted the same, only the
// work of visiting is saved.
//
// The repetition counts depend on the game record, so every search starts a new
// generation and earlier generations are no longer found.

#include <algorithm>
#include <array>
#include <cstdint>

#include "board.h"
#include "evaluation.h"
#include "position_key.h"
#include "zeroed_table.h"

namespace circumvia {

// The repetition penalty is a running total over siblings and levels; it is kept wide so
// it cannot overflow, and a leaf's score is saturated into the score range.
using Penalty = std::int64_t;

// A leaf whose value exceeds every earlier leaf's of the same node.
struct LeafRise {
    // The leaf's value for the node's side, without the penalty the node was entered with
    // (its leaves' own repetition counts are in), at most the win score.
    int value = 0;
    // Leaves up to and including this one.
    std::uint16_t leaves = 0;
};

// The value of a leaf in a node entered with `penalty`, from its value without it.
inline int LeafValue(int value_before_penalty, Penalty penalty) {
    return static_cast<int>(std::min<Penalty>(value_before_penalty + penalty, kWinScore));
}

// What a frontier node entered with some window and penalty returns.
struct FrontierAnswer {
    int leaves = 0;  // leaves visited: up to the first that reaches beta, or all
    int score = 0;
};

// What is known of a frontier node's leaves: its first rises in order, and whether they
// are all its rises (then `leaves` counts all its leaves). A node without moves has its
// own score as its only rise, with no leaves.
struct KnownLeaves {
    static constexpr int kMaxRises = 6;

    std::array<LeafRise, kMaxRises> rises{};
    int rise_count = 0;
    int leaves = 0;
    bool all = false;

    // The answer for this window and penalty, when what is known tells it. The node keeps
    // the best leaf value above alpha and stops at the first one that reaches beta, which
    // is always a rise; a node without moves keeps its score as it is, without the penalty.
    bool Answer(Penalty penalty, int alpha, int beta, FrontierAnswer& answer) const {
        if (all && leaves == 0) {
            answer = {0, rises[0].value};
            return true;
        }
        for (int k = 0; k < rise_count; ++k) {
            const int value = LeafValue(rises[k].value, penalty);
            if (value >= beta) {
                answer = {rises[k].leaves, value};
                return true;
            }
        }
        if (!all) return false;
        answer = {leaves, std::max(alpha, LeafValue(rises[rise_count - 1].value, penalty))};
        return true;
    }
};

class FrontierTable {
public:
    FrontierTable() : buckets_(kBuckets) {}

    // Forgets every node kept so far.
    void NewGeneration() {
        if (++generation_ == 0) {
            buckets_.Clear();
            generation_ = 1;
        }
    }

    // What is kept of the node with `side` to move in the position with this key, if
    // anything is in this generation.
    bool Find(PositionKey key, Side side, KnownLeaves& known) const {
        const std::uint64_t tag = Tag(key, side);
        const Bucket& bucket = buckets_[Index(tag)];
        for (const Slot& slot : bucket.slots) {
            if (slot.tag == tag && slot.generation == generation_) {
                slot.Read(known);
                return true;
            }
        }
        return false;
    }

    // Keeps what is known, unless its numbers do not fit a slot (never in a game). A node
    // new to its bucket goes first, and the bucket's first node moves second in place of
    // the one there.
    void Store(PositionKey key, Side side, const KnownLeaves& known) {
        if (!Slot::Fits(known)) return;
        const std::uint64_t tag = Tag(key, side);
        Bucket& bucket = buckets_[Index(tag)];
        Slot* slot = &bucket.slots[0];
        if (bucket.slots[1].tag == tag && bucket.slots[1].generation == generation_) {
            slot = &bucket.slots[1];
        } else if (bucket.slots[0].tag != tag || bucket.slots[0].generation != generation_) {
            bucket.slots[1] = bucket.slots[0];
        }
        slot->Write(tag, generation_, known);
    }

private:
    static constexpr int kBucketBits = 15;
    static constexpr std::size_t kBuckets = std::size_t{1} << kBucketBits;

    // Half a cache line. Generation 0 is never current, so a zeroed slot is free. Values
    // and leaf counts are small in practice: the win score is coded as kWin, and nodes
    // whose numbers are too large for a slot are not kept.
    struct Slot {
        static constexpr int kWin = INT16_MAX;
        static constexpr int kLowest = INT16_MIN;
        static constexpr int kMaxLeaves = UINT8_MAX;

        std::uint64_t tag;
        std::uint16_t generation;
        std::uint8_t leaves;
        std::uint8_t rise_count;
        bool all;
        std::array<std::uint8_t, KnownLeaves::kMaxRises> rise_leaves;
        std::array<std::int16_t, KnownLeaves::kMaxRises> rise_values;

        static bool Fits(const KnownLeaves& known) {
            if (known.leaves > kMaxLeaves) return false;
            for (int k = 0; k < known.rise_count; ++k) {
                const int value = known.rises[k].value;
                if (value != kWinScore && (value < kLowest || value >= kWin)) return false;
            }
            return true;
        }
        void Write(std::uint64_t new_tag, std::uint16_t new_generation, const KnownLeaves& known) {
            tag = new_tag;
            generation = new_generation;
            leaves = static_cast<std::uint8_t>(known.leaves);
            rise_count = static_cast<std::uint8_t>(known.rise_count);
            all = known.all;
            for (int k = 0; k < known.rise_count; ++k) {
                const int value = known.rises[k].value;
                rise_values[k] = static_cast<std::int16_t>(value == kWinScore ? kWin : value);
                rise_leaves[k] = static_cast<std::uint8_t>(known.rises[k].leaves);
            }
        }
        void Read(KnownLeaves& known) const {
            known.rise_count = rise_count;
            known.leaves = leaves;
            known.all = all;
            for (int k = 0; k < rise_count; ++k) {
                const int value = rise_values[k] == kWin ? kWinScore : rise_values[k];
                known.rises[k] = LeafRise{value, rise_leaves[k]};
            }
        }
    };
    static_assert(sizeof(Slot) == 32);

    // Two slots on one cache line: a lookup reads one line.
    struct alignas(64) Bucket {
        std::array<Slot, 2> slots;
    };

    // Keys stay below 3^36 < 2^58, which leaves the top bits for the side.
    static std::uint64_t Tag(PositionKey key, Side side) {
        return key | (static_cast<std::uint64_t>(side) << 62);
    }
    static std::size_t Index(std::uint64_t tag) {
        return static_cast<std::size_t>((tag * 0x9E3779B97F4A7C15ull) >> (64 - kBucketBits));
    }

    ZeroedTable<Bucket> buckets_;
    std::uint16_t generation_ = 0;
};

}  // namespace circumvia
