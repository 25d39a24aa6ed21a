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
// The repetition counts depend on the game record, so nothing is kept once the record is
// set again (generation_table.h).

#include <cstdint>
#include <limits>

#include "board.h"
#include "frontier_table.h"
#include "generation_table.h"
#include "position_key.h"

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
    // Forgets every node kept so far.
    void NewGeneration() { table_.NewGeneration(); }

    bool Find(const SearchedWindow& window, WindowResult& result) const {
        const Searched* searched = table_.Find(Hash(window), Tag(window), SameWindow{window});
        if (searched == nullptr) return false;
        result = {searched->nodes, searched->score};
        return true;
    }

    // Keeps the result, unless its numbers do not fit.
    void Store(const SearchedWindow& window, const WindowResult& result) {
        if (window.penalty > std::numeric_limits<std::int32_t>::max() ||
            result.nodes > std::numeric_limits<std::uint32_t>::max()) {
            return;
        }
        const Searched searched{window.alpha, window.beta,
                                static_cast<std::int32_t>(window.penalty), result.score,
                                static_cast<std::uint32_t>(result.nodes)};
        table_.Store(Hash(window), Tag(window), searched, SameWindow{window});
    }

private:
    struct Searched {
        std::int32_t alpha;
        std::int32_t beta;
        std::int32_t penalty;
        std::int32_t score;
        std::uint32_t nodes;
    };
    struct SameWindow {
        const SearchedWindow& window;
        bool operator()(const Searched& searched) const {
            return searched.alpha == window.alpha && searched.beta == window.beta &&
                   searched.penalty == window.penalty;
        }
    };

    // Keys stay below 3^36 < 2^58: the side (one bit) and the depth left (at most 19, five
    // bits) take the six bits above.
    static std::uint64_t Tag(const SearchedWindow& window) {
        return window.key | (static_cast<std::uint64_t>(window.side == kWhite) << 58) |
               (static_cast<std::uint64_t>(window.depth_left) << 59);
    }
    static std::uint64_t Hash(const SearchedWindow& window) {
        const auto alpha = static_cast<std::uint32_t>(window.alpha);
        const auto beta = static_cast<std::uint32_t>(window.beta);
        const auto penalty = static_cast<std::uint64_t>(window.penalty);
        return Tag(window) ^ (alpha * 0xC2B2AE3D27D4EB4Full) ^ (penalty << 32) ^ beta;
    }

    GenerationTable<Searched, 14> table_;  // 1 MB
};

}  // namespace circumvia
