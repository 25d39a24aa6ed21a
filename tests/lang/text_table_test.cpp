#include "lang/text_table.h"

#include <gtest/gtest.h>

#include "lang/text_ids.h"

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
    // Every text compiled in is a named message or caption in each of the four languages:
    // none without a name that no code could reach, none lost on the way.
    EXPECT_EQ(BuiltInTexts().size(), 4 * (message::kAll.size() + caption::kAll.size()));
    EXPECT_EQ(BuiltInTexts().Get(12), "Aurélie;Bastien;Camille;Dorian;Elise;Fabrice;Gaëlle");
    EXPECT_EQ(BuiltInTexts().Get(4091), "Computer 5");
    EXPECT_EQ(BuiltInTexts().Get(320), "Datei Formatstörung !");
}

}  // namespace
}  // namespace circumvia::lang
