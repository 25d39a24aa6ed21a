// The packed board's move walks: the one that fetches ahead must visit exactly what the
// plain one visits, and stop where its visitor stops.
#include "model/packed_board.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "model/position_text.h"
#include "tests/model/game_fixtures.h"

namespace circumvia {
namespace {

struct Visit {
    Move move;
    PositionKey key = 0;
    bool operator==(const Visit&) const = default;
};

std::vector<Visit> PlainWalk(const PackedBoard& board, Side side, std::size_t stop_after) {
    std::vector<Visit> visits;
    board.ForEachMove(side, [&](Move move, PositionKey key) {
        visits.push_back({move, key});
        return visits.size() < stop_after;
    });
    return visits;
}

TEST(ForEachMoveFetchingAhead, VisitsWhatThePlainWalkVisitsAndFetchesEachKeyBeforeItsVisit) {
    std::mt19937 rng(77);
    for (int i = 0; i < 500; ++i) {
        const PackedBoard board =
            PackedBoard::From(testing::RandomBoard(rng, 1 + i % 6, 1 + i % 5));
        const Side side = i % 2 ? kRed : kWhite;
        const std::size_t all = PlainWalk(board, side, SIZE_MAX).size();
        // Stopping at the first move, in the middle, at the last, and never.
        for (std::size_t stop_after :
             {std::size_t{1}, all / 2 + 1, std::max<std::size_t>(all, 1), SIZE_MAX}) {
            std::vector<PositionKey> fetched;
            std::vector<Visit> visits;
            const bool finished = board.ForEachMoveFetchingAhead(
                side, [&](PositionKey key) { fetched.push_back(key); },
                [&](Move move, PositionKey key) {
                    // The next move's key, when there is one, is already on its way.
                    EXPECT_GE(fetched.size(), visits.size() + 1);
                    visits.push_back({move, key});
                    return visits.size() < stop_after;
                });
            const std::vector<Visit> expected = PlainWalk(board, side, stop_after);
            ASSERT_EQ(visits, expected) << PositionText(board.ToPosition()) << " side " << side;
            EXPECT_EQ(finished, stop_after > all);
            for (std::size_t k = 0; k < visits.size(); ++k) EXPECT_EQ(fetched[k], visits[k].key);
        }
    }
}

TEST(ForEachMoveFetchingAhead, ASideWithoutMovesFinishesWithoutVisits) {
    const PackedBoard board =
        PackedBoard::From(PositionFromText("B___________________________________"));
    int visits = 0;
    EXPECT_TRUE(board.ForEachMoveFetchingAhead(
        kRed, [](PositionKey) {}, [&](Move, PositionKey) { return ++visits, true; }));
    EXPECT_EQ(visits, 0);
}

}  // namespace
}  // namespace circumvia
