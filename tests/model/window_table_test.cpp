// Nodes kept with the window they were searched in: found again only for exactly that
// position, side, depth, window and penalty, within one search.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "model/window_table.h"

namespace circumvia {
namespace {

constexpr SearchedWindow kWindow{987654321, kRed, 3, -20, 15, 2};

bool Found(const WindowTable& table, const SearchedWindow& window) {
    WindowResult result;
    return table.Find(window, result);
}

TEST(WindowTable, GivesBackTheScoreAndPositionsOfTheSameSearch) {
    WindowTable table;
    table.NewGeneration();
    table.Store(kWindow, WindowResult{4321, -7});
    WindowResult result;
    ASSERT_TRUE(table.Find(kWindow, result));
    EXPECT_EQ(result.nodes, 4321);
    EXPECT_EQ(result.score, -7);
}

TEST(WindowTable, AnyOtherWindowPenaltySideOrDepthIsAnotherSearch) {
    WindowTable table;
    table.NewGeneration();
    table.Store(kWindow, WindowResult{4321, -7});
    SearchedWindow other = kWindow;
    other.alpha = -21;
    EXPECT_FALSE(Found(table, other));
    other = kWindow;
    other.beta = 16;
    EXPECT_FALSE(Found(table, other));
    other = kWindow;
    other.penalty = 3;
    EXPECT_FALSE(Found(table, other));
    other = kWindow;
    other.side = kWhite;
    EXPECT_FALSE(Found(table, other));
    other = kWindow;
    other.depth_left = 2;
    EXPECT_FALSE(Found(table, other));
    other = kWindow;
    other.key = kWindow.key + 1;
    EXPECT_FALSE(Found(table, other));
}

TEST(WindowTable, ANewSearchForgetsTheLastOne) {
    WindowTable table;
    table.NewGeneration();
    table.Store(kWindow, WindowResult{4321, -7});
    table.NewGeneration();
    EXPECT_FALSE(Found(table, kWindow));
}

TEST(WindowTable, NumbersTooLargeForASlotAreNotKept) {
    WindowTable table;
    table.NewGeneration();
    SearchedWindow heavy = kWindow;
    heavy.penalty = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    table.Store(heavy, WindowResult{10, 1});
    EXPECT_FALSE(Found(table, heavy));
    table.Store(kWindow,
                WindowResult{std::int64_t{std::numeric_limits<std::uint32_t>::max()} + 1, 1});
    EXPECT_FALSE(Found(table, kWindow));
}

}  // namespace
}  // namespace circumvia
