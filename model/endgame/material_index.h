#pragma once
// A dense numbering of the positions of one material: every position with `own` pieces for
// the side to move and `other` for its opponent has a slot, and positions that are images
// of each other under a kept symmetry share it. The side to move's pieces are numbered by
// their class under the symmetries; the opponent's pieces by their combination among the
// cells left, smallest over the symmetries that leave the mover's pieces in place.

#include <cstdint>
#include <memory>
#include <vector>

#include "model/endgame/board_symmetry.h"

namespace circumvia::endgame {

using Slot = std::uint64_t;

// The most pieces a table may hold in all, so the most one side may have.
inline constexpr int kMostTablePieces = 7;
inline constexpr int kMostPiecesPerSide = kMostTablePieces - 1;

struct Material {
    int own = 0;    // the side to move's pieces
    int other = 0;  // its opponent's
    bool operator==(const Material&) const = default;
};

// The pieces of the side to move and of its opponent.
struct SidesMasks {
    CellMask own = 0;
    CellMask other = 0;
    bool operator==(const SidesMasks&) const = default;
};

class MaterialIndex {
public:
    explicit MaterialIndex(Material material);

    Material Of() const { return material_; }
    Slot SlotCount() const { return slot_count_; }
    // The slot of any position of this material, whatever its orientation.
    Slot SlotOf(SidesMasks position) const;
    // The position the slot stands for, in the orientation SlotOf picks.
    SidesMasks PositionAt(Slot slot) const;
    // Whether the slot is the one its position maps to (some slots of symmetric piece sets
    // stand for a position that another slot already holds).
    bool IsCanonical(Slot slot) const { return SlotOf(PositionAt(slot)) == slot; }
    // How many distinct positions share the slot.
    int ImageCount(Slot slot) const;

private:
    struct OwnClasses;
    Material material_;
    const OwnClasses* own_classes_;
    std::uint64_t other_combinations_;
    Slot slot_count_;
};

// The number of ways to choose k of n (0 when k > n).
std::uint64_t Binomial(int n, int k);

}  // namespace circumvia::endgame
