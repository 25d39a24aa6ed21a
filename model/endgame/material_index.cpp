#include "model/endgame/material_index.h"

#include <array>
#include <bit>
#include <mutex>

namespace circumvia::endgame {

namespace {

constexpr int kMaxChoose = 8;

constexpr auto kBinomials = [] {
    std::array<std::array<std::uint64_t, kMaxChoose + 1>, kCellCount + 1> table{};
    for (int n = 0; n <= kCellCount; ++n) {
        table[n][0] = 1;
        for (int k = 1; k <= kMaxChoose && k <= n; ++k) {
            table[n][k] = table[n - 1][k - 1] + (k <= n - 1 ? table[n - 1][k] : 0);
        }
    }
    return table;
}();

// Rank of a set of bit indices among the sets of its size, in co-lexicographic order.
std::uint64_t RankOf(std::uint64_t bits) {
    std::uint64_t rank = 0;
    int k = 1;
    for (; bits != 0; bits &= bits - 1, ++k) rank += Binomial(std::countr_zero(bits), k);
    return rank;
}

std::uint64_t SetOfRank(std::uint64_t rank, int size) {
    std::uint64_t bits = 0;
    int n = kCellCount;
    for (int k = size; k >= 1; --k) {
        while (Binomial(n, k) > rank) --n;
        rank -= Binomial(n, k);
        bits |= std::uint64_t{1} << n;
    }
    return bits;
}

// The opponent's cells as indices among the cells the mover leaves free.
std::uint64_t SqueezeOut(CellMask cells, CellMask taken) {
    std::uint64_t squeezed = 0;
    for (; cells != 0; cells &= cells - 1) {
        const CellMask bit = cells & (~cells + 1);
        squeezed |= std::uint64_t{1} << std::popcount(~taken & (bit - 1));
    }
    return squeezed;
}

CellMask SpreadInto(std::uint64_t squeezed, CellMask taken) {
    CellMask cells = 0;
    int index = 0;
    for (int bit = 0; bit < kCellCount; ++bit) {
        if (taken & (CellMask{1} << bit)) continue;
        if (squeezed & (std::uint64_t{1} << index)) cells |= CellMask{1} << bit;
        ++index;
    }
    return cells;
}

// The smallest rank among the images of a set, and which kept maps reach it.
struct SmallestImage {
    std::uint64_t rank = ~std::uint64_t{0};
    std::uint8_t maps = 0;  // bit s for KeptSymmetries()[s]
};

SmallestImage SmallestImageOf(CellMask cells) {
    SmallestImage smallest;
    const auto& maps = KeptSymmetries();
    for (std::size_t s = 0; s < maps.size(); ++s) {
        const std::uint64_t rank = RankOf(MapCells(maps[s], cells));
        if (rank < smallest.rank) smallest = {rank, 0};
        if (rank == smallest.rank) smallest.maps |= static_cast<std::uint8_t>(1u << s);
    }
    return smallest;
}

}  // namespace

std::uint64_t Binomial(int n, int k) {
    if (k < 0 || n < 0 || k > n || k > kMaxChoose) return 0;
    return kBinomials[n][k];
}

// The classes of the mover's piece sets of one size: each set's rank maps to its class
// and each class to its smallest set.
struct MaterialIndex::OwnClasses {
    std::vector<std::int32_t> class_of_rank;
    std::vector<std::uint64_t> rank_of_class;

    explicit OwnClasses(int size) {
        const std::uint64_t sets = Binomial(kCellCount, size);
        class_of_rank.assign(sets, -1);
        for (std::uint64_t rank = 0; rank < sets; ++rank) {
            if (SmallestImageOf(SetOfRank(rank, size)).rank != rank) continue;
            class_of_rank[rank] = static_cast<std::int32_t>(rank_of_class.size());
            rank_of_class.push_back(rank);
        }
    }

    static const OwnClasses& OfSize(int size) {
        static std::array<std::once_flag, kMaxChoose + 1> once;
        static std::array<std::unique_ptr<OwnClasses>, kMaxChoose + 1> classes;
        std::call_once(once[size], [size] { classes[size] = std::make_unique<OwnClasses>(size); });
        return *classes[size];
    }
};

MaterialIndex::MaterialIndex(Material material)
    : material_(material),
      own_classes_(&OwnClasses::OfSize(material.own)),
      other_combinations_(Binomial(kCellCount - material.own, material.other)),
      slot_count_(own_classes_->rank_of_class.size() * other_combinations_) {}

Slot MaterialIndex::SlotOf(SidesMasks position) const {
    const SmallestImage own = SmallestImageOf(position.own);
    const auto& maps = KeptSymmetries();
    const CellMask own_image = SetOfRank(own.rank, material_.own);
    std::uint64_t other_rank = ~std::uint64_t{0};
    for (std::size_t s = 0; s < maps.size(); ++s) {
        if ((own.maps & (1u << s)) == 0) continue;
        const CellMask other_image = MapCells(maps[s], position.other);
        other_rank = std::min(other_rank, RankOf(SqueezeOut(other_image, own_image)));
    }
    const auto own_class = static_cast<Slot>(own_classes_->class_of_rank[own.rank]);
    return own_class * other_combinations_ + other_rank;
}

SidesMasks MaterialIndex::PositionAt(Slot slot) const {
    const std::uint64_t own_rank = own_classes_->rank_of_class[slot / other_combinations_];
    const CellMask own = SetOfRank(own_rank, material_.own);
    const CellMask other = SpreadInto(SetOfRank(slot % other_combinations_, material_.other), own);
    return {own, other};
}

int MaterialIndex::ImageCount(Slot slot) const {
    const SidesMasks position = PositionAt(slot);
    std::array<SidesMasks, kBoardSymmetries> images{};
    int count = 0;
    for (const CellMap& map : KeptSymmetries()) {
        const SidesMasks image{MapCells(map, position.own), MapCells(map, position.other)};
        bool seen = false;
        for (int i = 0; i < count; ++i) seen = seen || images[i] == image;
        if (!seen) images[count++] = image;
    }
    return count;
}

}  // namespace circumvia::endgame
