#include "model/position_text.h"

#include <gtest/gtest.h>

namespace circumvia {
namespace {

constexpr char kStartText[] = "BBBBBBBBBBBB____________RRRRRRRRRRRR";

TEST(PositionText, StartPositionReadsAndWritesBothWays) {
    EXPECT_EQ(PositionText(Position::Start()), kStartText);
    EXPECT_EQ(PositionFromText(kStartText), Position::Start());
    EXPECT_EQ(ParsePositionText(kStartText), Position::Start());
}

TEST(PositionText, LenientReadingTurnsUnknownAndMissingCharactersIntoEmptyCells) {
    Position expected;
    expected[1] = kRed;
    expected[3] = kWhite;
    EXPECT_EQ(PositionFromText("RxB"), expected);
    EXPECT_EQ(PositionFromText(""), Position{});
    EXPECT_EQ(PositionFromText(std::string(kStartText) + "RRRR"), Position::Start());
}

TEST(PositionText, StrictParsingRejectsWrongLengthOrCharacters) {
    EXPECT_FALSE(ParsePositionText(std::string(kStartText).substr(1)));
    EXPECT_FALSE(ParsePositionText(std::string(kStartText) + "_"));
    std::string lowercase = kStartText;
    lowercase[0] = 'b';
    EXPECT_FALSE(ParsePositionText(lowercase));
}

}  // namespace
}  // namespace circumvia
