#pragma once
// Evaluations remembered by position key. A search meets the same position again and
// again through different move orders (endgames above all), and the evaluation depends on
// the position alone, so a remembered value is the value: nothing the search decides or
// counts changes. The table is allocated once, with its owner, never during a search.

#include <cstdint>
#include <vector>

#include "evaluation.h"

namespace circumvia {

class EvaluationCache {
public:
    EvaluationCache() : slots_(kSlots) {}

    // Evaluate(board, side); what is remembered is Red's sum minus White's, for boards
    // where both sides have pieces.
    int Evaluate(const PackedBoard& board, Side side) {
        if (board.pieces[kRed] == 0 || board.pieces[kWhite] == 0) return ScoreFor(board, side, 0);
        Slot& slot = SlotOf(board.key);
        if (slot.key != board.key) {
            slot.key = board.key;
            slot.red_minus_white = RedMinusWhite(board);
        }
        return ScoreFor(board, side, slot.red_minus_white);
    }

    // Red's sum minus White's for the position with this key, if remembered (only ever for
    // positions where both sides have pieces).
    bool Find(PositionKey key, int& red_minus_white) const {
        const Slot& slot = slots_[Index(key)];
        red_minus_white = slot.red_minus_white;
        return slot.key == key;
    }

private:
    static constexpr int kSlotBits = 16;
    static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;

    // Key 0 is the empty board, which is never evaluated here: it marks a free slot.
    struct Slot {
        PositionKey key = 0;
        int red_minus_white = 0;
    };

    static std::size_t Index(PositionKey key) {
        return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - kSlotBits));
    }
    Slot& SlotOf(PositionKey key) { return slots_[Index(key)]; }

    std::vector<Slot> slots_;
};

}  // namespace circumvia
