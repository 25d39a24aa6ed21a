#include "lang/text_table.h"

#include <gtest/gtest.h>

namespace circumvia::lang {
namespace {

TEST(TextTable, ParsesNumberedLinesAndKeepsTrailingBlanks) {
    const TextTable table =
        TextTable::Parse("# comment\t9\n7\tC'est à %s de jouer.\n207\t%s \n106\t\n");
    EXPECT_EQ(table.Get(7), "C'est à %s de jouer.");
    EXPECT_EQ(table.Get(207), "%s ");
    EXPECT_EQ(table.Get(106), "");
    EXPECT_EQ(table.Get(9), "");  // only a comment mentioned it
    EXPECT_EQ(table.size(), 3u);
}

TEST(TextTable, IgnoresMalformedLinesAndCarriageReturns) {
    const TextTable table = TextTable::Parse("x1\tbad\n\n12\tok\r\nno tab here\n5\tlast");
    EXPECT_EQ(table.Get(12), "ok");
    EXPECT_EQ(table.Get(5), "last");
    EXPECT_EQ(table.size(), 2u);
}

TEST(BuiltInTexts, HoldsEveryListedTextAndTheDefaultNames) {
    // 404 listed texts, message 12 in four languages, the PDF export's two texts in four,
    // 52 for the move list, the save question and the animation speed, 44 for the reasons a
    // file cannot be written, a long print job and the settings' failure, 4 for the failed
    // save, 12 for the hint's Play button and the end of a game, 100 for playing by keys and
    // reading the board aloud, 52 for the levels' ratings, rated games and the Ratings window,
    // 76 for the review of a game and the game sheet, 36 for the events spoken unasked, and 4
    // for the settings file that cannot be read.
    EXPECT_EQ(BuiltInTexts().size(), 796u);
    EXPECT_EQ(BuiltInTexts().Get(4091), "Computer 5");
    EXPECT_EQ(BuiltInTexts().Get(320), "Datei Formatstörung !");
}

}  // namespace
}  // namespace circumvia::lang
