#pragma once
// What the leaves of a frontier node (a node whose children are all leaves) come to, kept
// by position for the rest of the search.
//
// Deep searches reach the same frontier position again and again through different move
// orders (nine in ten frontier nodes of an endgame), each time with its own window and
// penalty. Its leaves are always the same moves in the same order with the same values
// and repetition counts, so the leaves' values before the node's penalty can be kept: of
// those only the ones that raise the best so far matter. They give, for any window and
// penalty, how many leaves the node visits before it is cut off and the score it returns,
// exactly as visiting them would. The number of positions visited is counted the same,
// only the work of visiting is saved.
//
// The repetition counts depend on the game record, so every search starts a new
// generation and earlier generations are no longer found. The table is allocated once,
// with its owner, never during a search.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <new>
#include <span>

#include "board.h"
#include "evaluation.h"
#include "position_key.h"

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

// What a frontier node entered with this window and penalty returns.
struct FrontierAnswer {
    int leaves = 0;  // leaves visited: up to the first that reaches beta, or all
    int score = 0;
};

// The leaves of a frontier node scored so far, in order: all of them, or up to one that
// cut the node off.
struct ScoredLeaves {
    int leaves = 0;
    bool all = false;
    std::span<const LeafRise> rises;

    // The answer for this window and penalty, when the leaves scored tell it. A leaf's value
    // is its rise value plus the penalty, saturated at the win score; the node keeps the
    // best value above alpha and stops at the first one that reaches beta, which is always
    // a rise. A node without moves has its own score as its only rise and keeps it as it
    // is, without the penalty.
    bool Answer(Penalty penalty, int alpha, int beta, FrontierAnswer& answer) const {
        if (leaves == 0) {
            answer = {0, rises.front().value};
            return true;
        }
        answer = {leaves, alpha};
        for (const LeafRise& rise : rises) {
            const int value = static_cast<int>(std::min<Penalty>(rise.value + penalty, kWinScore));
            answer.score = std::max(alpha, value);
            if (value >= beta) {
                answer.leaves = rise.leaves;
                return true;
            }
        }
        return all;
    }
};

class FrontierTable {
public:
    // Nodes whose leaves rise more often than this are not kept.
    static constexpr std::size_t kMaxRises = 6;

    FrontierTable() : slots_(FreeSlots()) {}
    // A copy starts empty: anything kept can be found again by visiting.
    FrontierTable(const FrontierTable&) : FrontierTable() {}
    FrontierTable& operator=(const FrontierTable&) { return *this; }

    // Forgets every node kept so far.
    void NewGeneration() {
        if (++generation_ == 0) {
            std::fill_n(slots_.get(), kSlots, Slot{});
            generation_ = 1;
        }
    }

    // The node with `side` to move in the position with this key, if kept in this generation.
    bool Find(PositionKey key, Side side, ScoredLeaves& scored) const {
        const Slot& slot = slots_[Index(Tag(key, side))];
        if (slot.tag != Tag(key, side) || slot.generation != generation_) return false;
        scored = {slot.leaves, slot.all, std::span(slot.rises.data(), slot.rise_count)};
        return true;
    }

    // Keeps what is known of the node's leaves, unless they rise too often.
    void Store(PositionKey key, Side side, const ScoredLeaves& scored) {
        if (scored.rises.size() > kMaxRises) return;
        Slot& slot = slots_[Index(Tag(key, side))];
        slot.tag = Tag(key, side);
        slot.generation = generation_;
        slot.leaves = static_cast<std::uint16_t>(scored.leaves);
        slot.all = scored.all;
        slot.rise_count = static_cast<std::uint8_t>(scored.rises.size());
        std::copy(scored.rises.begin(), scored.rises.end(), slot.rises.begin());
    }

private:
    static constexpr int kSlotBits = 15;
    static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;

    // One cache line. Generation 0 is never current, so a zeroed slot is free.
    struct Slot {
        std::uint64_t tag = 0;
        std::uint32_t generation = 0;
        std::uint16_t leaves = 0;
        bool all = false;
        std::uint8_t rise_count = 0;
        std::array<LeafRise, kMaxRises> rises{};
    };
    static_assert(sizeof(Slot) == 64);

    // Keys stay below 3^36 < 2^58, which leaves the top bits for the side.
    static std::uint64_t Tag(PositionKey key, Side side) {
        return key | (static_cast<std::uint64_t>(side) << 62);
    }
    static std::size_t Index(std::uint64_t tag) {
        return static_cast<std::size_t>((tag * 0x9E3779B97F4A7C15ull) >> (64 - kSlotBits));
    }

    // Zeroed by calloc, which for a table this size maps fresh pages instead of writing them.
    struct FreeMemory {
        void operator()(Slot* slots) const { std::free(slots); }
    };
    using Table = std::unique_ptr<Slot[], FreeMemory>;
    static Table FreeSlots() {
        Table table(static_cast<Slot*>(std::calloc(kSlots, sizeof(Slot))));
        if (!table) throw std::bad_alloc();
        return table;
    }

    Table slots_;
    std::uint32_t generation_ = 0;
};

}  // namespace circumvia
