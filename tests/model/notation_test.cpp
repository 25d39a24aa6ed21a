#include "model/notation.h"

#include <gtest/gtest.h>

#include <set>

namespace circumvia {
namespace {

TEST(MoveText, WritesRowLetterBlankColumnDigitJoinedByArrow) {
    EXPECT_EQ(MoveText(25, 19), "E 1->D 1");
    EXPECT_EQ(MoveText(8, 15), "B 2->C 3");
    EXPECT_EQ(MoveText(36, 1), "F 6->A 1");
    EXPECT_EQ(MoveText(1, 36), "A 1->F 6");
    EXPECT_EQ(MoveText(6, 31), "A 6->F 1");
}

TEST(MoveText, MissingCellsShortenOrEmptyTheText) {
    EXPECT_EQ(MoveText(7, 0), "B 1");
    EXPECT_EQ(MoveText(7, -3), "B 1");
    EXPECT_EQ(MoveText(0, 12), "");
    EXPECT_EQ(MoveText(-1, 12), "");
    EXPECT_EQ(MoveText(0, 0), "");
}

TEST(MoveText, EveryCellHasItsOwnText) {
    std::set<std::string> seen;
    for (int cell = 1; cell <= 36; ++cell) seen.insert(CellText(cell));
    EXPECT_EQ(seen.size(), 36u);
    EXPECT_EQ(CellText(2), "A 2");  // letters follow rows, digits columns
    EXPECT_EQ(CellText(7), "B 1");
}

}  // namespace
}  // namespace circumvia
