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
// The repetition counts depend on the game record, so nothing is kept once the record is
// set again (generation_table.h).

#include <algorithm>
#include <array>
#include <cstdint>

#include "board.h"
#include "evaluation.h"
#include "generation_table.h"
#include "position_key.h"

namespace circumvia {

// The repetition penalty is a running total over siblings and levels; it is kept wide so
// it cannot overflow, and a leaf's score is saturated into the score range.
using Penalty = std::int64_t;

// The value of a leaf in a node entered with `penalty`, from its value without it.
inline int LeafValue(int value_before_penalty, Penalty penalty) {
    return static_cast<int>(std::min<Penalty>(value_before_penalty + penalty, kWinScore));
}

// What a frontier node entered with some window and penalty returns.
struct FrontierAnswer {
    int leaves = 0;  // leaves visited: up to the first that reaches beta, or all
    int score = 0;
};

// What is known of a frontier node's leaves, as the frontier table keeps it: the leaves
// that raise the best value so far (rises), the first ones in order, each with its value
// before the node's penalty (its leaves' own repetition counts are in) and the number of
// leaves up to it; and whether they are all its rises (then `leaves` counts all its
// leaves). A node without moves has its own score as its only rise, with no leaves.
//
// Values and counts are small in a game and kept small: a rise that does not fit ends the
// ones kept, which stay true as far as they go.
struct KnownLeaves {
    static constexpr int kMaxRises = 6;

    std::uint8_t leaves = 0;
    std::uint8_t rise_count = 0;
    bool all = false;
    std::array<std::uint8_t, kMaxRises> rise_leaves{};
    std::array<std::int16_t, kMaxRises> rise_values{};

    // Keeps the next rise; false when it does not fit, and then no later one is kept.
    bool AddRise(int value, int leaves_so_far) {
        if (rise_count == kMaxRises || leaves_so_far > kMaxLeaves) return false;
        if (value != kWinScore && value != kLossScore &&
            (value <= kLossCode || value >= kWinCode)) {
            return false;
        }
        rise_values[rise_count] = static_cast<std::int16_t>(value == kWinScore    ? kWinCode
                                                            : value == kLossScore ? kLossCode
                                                                                  : value);
        rise_leaves[rise_count] = static_cast<std::uint8_t>(leaves_so_far);
        ++rise_count;
        return true;
    }

    // After the last leaf: `all_leaves` of them when every rise was kept.
    void Complete(int all_leaves) {
        all = all_leaves <= kMaxLeaves;
        leaves = static_cast<std::uint8_t>(all ? all_leaves : 0);
    }

    int RiseValue(int k) const {
        const int code = rise_values[k];
        return code == kWinCode ? kWinScore : code == kLossCode ? kLossScore : code;
    }

    // The answer for this window and penalty, when what is known tells it. The node keeps
    // the best leaf value above alpha and stops at the first one that reaches beta, which
    // is always a rise; a node without moves keeps its score as it is, without the penalty.
    bool Answer(Penalty penalty, int alpha, int beta, FrontierAnswer& answer) const {
        if (all && leaves == 0) {
            answer = {0, RiseValue(0)};
            return true;
        }
        for (int k = 0; k < rise_count; ++k) {
            const int value = LeafValue(RiseValue(k), penalty);
            if (value >= beta) {
                answer = {rise_leaves[k], value};
                return true;
            }
        }
        if (!all) return false;
        answer = {leaves, std::max(alpha, LeafValue(RiseValue(rise_count - 1), penalty))};
        return true;
    }

private:
    static constexpr int kWinCode = INT16_MAX;
    static constexpr int kLossCode = INT16_MIN;
    static constexpr int kMaxLeaves = UINT8_MAX;
};

class FrontierTable {
public:
    // Forgets every node kept so far.
    void NewGeneration() { table_.NewGeneration(); }

    // The answer for the node with `side` to move in the position with this key, entered
    // with this window and penalty, when what is kept of it in this generation tells it.
    bool Answer(PositionKey key, Side side, Penalty penalty, int alpha, int beta,
                FrontierAnswer& answer) const {
        const std::uint64_t tag = Tag(key, side);
        const KnownLeaves* known = table_.Find(tag, tag);
        return known != nullptr && known->Answer(penalty, alpha, beta, answer);
    }

    // Starts reading what may be kept of the node, for an Answer that follows soon.
    void Prefetch(PositionKey key, Side side) const { table_.Prefetch(Tag(key, side)); }

    // Keeps what is known of the node.
    void Store(PositionKey key, Side side, const KnownLeaves& known) {
        const std::uint64_t tag = Tag(key, side);
        table_.Store(tag, tag, known);
    }

private:
    // Keys stay below 3^36 < 2^58, which leaves the top bits for the side.
    static std::uint64_t Tag(PositionKey key, Side side) {
        return key | (static_cast<std::uint64_t>(side) << 62);
    }

    GenerationTable<KnownLeaves, 16> table_;  // 4 MB
};

}  // namespace circumvia
