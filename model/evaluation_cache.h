#pragma once
// Evaluations remembered by position key. A search meets the same position again and
// again through different move orders (endgames above all), and the evaluation depends on
// the position alone, so a remembered value is the value: nothing the search decides or
// counts changes. The table is allocated once, with its owner, never during a search.

#include <cstdint>

#include "evaluation.h"
#include "zeroed_table.h"

namespace circumvia {

class EvaluationCache {
public:
    EvaluationCache() : slots_(kSlots) {}

    // Evaluate(board, side); what is remembered is Red's sum minus White's, for boards
    // where both sides have pieces.
    int Evaluate(const PackedBoard& board, Side side) {
        int red_minus_white = 0;
        if (Find(board.key, red_minus_white)) return ScoreFor(board, side, red_minus_white);
        return EvaluateUnknown(board, side);
    }

    // Evaluate(board, side) for a board whose key Find does not know.
    int EvaluateUnknown(const PackedBoard& board, Side side) {
        if (board.pieces[kRed] == 0 || board.pieces[kWhite] == 0) return ScoreFor(board, side, 0);
        const int red_minus_white = RedMinusWhite(board);
        Store(board.key, red_minus_white);
        return ScoreFor(board, side, red_minus_white);
    }

    // Red's sum minus White's for the position with this key, if remembered (only ever for
    // positions where both sides have pieces).
    bool Find(PositionKey key, int& red_minus_white) const {
        const std::uint64_t hash = Hash(key);
        const Slot slot = slots_[Index(hash)];
        red_minus_white = static_cast<int>(slot & kValueMask) - kValueBias;
        return slot != kFreeSlot && ((slot ^ (hash << kSlotBits)) >> kSlotBits) == 0;
    }

    // Starts reading the slot of this key, for a Find that follows soon.
    void Prefetch(PositionKey key) const { __builtin_prefetch(&slots_[Index(Hash(key))]); }

private:
    static constexpr int kSlotBits = 18;
    static constexpr std::size_t kSlots = std::size_t{1} << kSlotBits;

    // A slot is one word: the hash's bits below the index (the index holds the others, and
    // the hash is a bijection, so they name the key exactly) above the value plus a bias.
    // The biased value is never 0, so 0 marks a free slot.
    using Slot = std::uint64_t;
    static constexpr Slot kFreeSlot = 0;
    static constexpr Slot kValueMask = (Slot{1} << kSlotBits) - 1;
    static constexpr int kValueBias = 1 << (kSlotBits - 1);
    // Every piece is worth less than 100, so a sum stays far inside the value field.
    static_assert(100 * kCellCount < kValueBias);

    // Multiplying by an odd constant permutes the keys and spreads them over the index.
    static std::uint64_t Hash(PositionKey key) { return key * 0x9E3779B97F4A7C15ull; }
    static std::size_t Index(std::uint64_t hash) {
        return static_cast<std::size_t>(hash >> (64 - kSlotBits));
    }
    void Store(PositionKey key, int red_minus_white) {
        const std::uint64_t hash = Hash(key);
        slots_[Index(hash)] = (hash << kSlotBits) | static_cast<Slot>(red_minus_white + kValueBias);
    }

    ZeroedTable<Slot> slots_;
};

}  // namespace circumvia
