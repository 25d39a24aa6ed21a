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

// What players type, and what the parser must make of it (0, 0: refused).
struct TypedMove {
    const char* text;
    int from;
    int to;
};

TEST(ParseMoveText, ReadsTheWrittenFormTheShortFormsAndRefusesTheRest) {
    const TypedMove cases[] = {
        // The written form, as the record and the move list show it.
        {"E 1->D 1", 25, 19},
        {"A 6->F 1", 6, 31},
        // Forgiving forms.
        {"e1d1", 25, 19},
        {"E1-D1", 25, 19},
        {"e1 d1", 25, 19},
        {"  f 6 > a 1  ", 36, 1},
        {"B2->c3", 8, 15},
        {"b 2 - C 3", 8, 15},
        // Malformed: off the board, missing or extra parts, other separators.
        {"", 0, 0},
        {"E 1", 0, 0},
        {"E 1->", 0, 0},
        {"G1D1", 0, 0},
        {"E0D1", 0, 0},
        {"E7D1", 0, 0},
        {"1ED1", 0, 0},
        {"E1D1x", 0, 0},
        {"E1D1D2", 0, 0},
        {"E1--D1", 0, 0},
        {"E1<-D1", 0, 0},
        {"E1:D1", 0, 0},
        {"E\n1D1", 0, 0},
    };
    for (const TypedMove& c : cases) {
        const std::optional<Move> move = ParseMoveText(c.text);
        if (c.from == 0) {
            EXPECT_FALSE(move.has_value()) << '"' << c.text << '"';
        } else {
            ASSERT_TRUE(move.has_value()) << '"' << c.text << '"';
            EXPECT_EQ(move->From, c.from) << '"' << c.text << '"';
            EXPECT_EQ(move->To, c.to) << '"' << c.text << '"';
        }
    }
}

TEST(ParseMoveText, ReadsBackEveryWrittenMove) {
    for (int from = 1; from <= 36; ++from) {
        for (int to = 1; to <= 36; ++to) {
            const std::optional<Move> move = ParseMoveText(MoveText(from, to));
            ASSERT_TRUE(move.has_value()) << MoveText(from, to);
            EXPECT_EQ(*move,
                      (Move{static_cast<std::uint8_t>(from), static_cast<std::uint8_t>(to)}));
        }
    }
}

}  // namespace
}  // namespace circumvia
