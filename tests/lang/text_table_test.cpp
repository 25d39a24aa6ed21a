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
    EXPECT_EQ(BuiltInTexts().Get(320), "Fehler im Dateiformat!");
}

// Texts mended where they read wrongly in their language, a few from each column: a
// message is stored at n + 100 per language after French, a caption at 1000 + k onwards.
TEST(BuiltInTexts, HoldTheMendedTexts) {
    const struct {
        int number;
        const char* text;
    } cases[] = {
        {107, "It's %s's turn."},
        {117, "Game over. %s wins (%d - %d)."},
        {2005, "Open an existing file"},
        {2054, "Current position"},
        {2074, "100%"},
        {207, "Le toca a %s."},
        {220, "Archivo ilegible"},
        {3084, "Rojas"},
        {3089, "Ordenador aficionado"},
        {307, "%s ist am Zug."},
        {311, "Weiß fängt an"},
        {317, "Spiel beendet. %s gewinnt (%d - %d)."},
        {4008, "Speichern unter..."},
        {4062, "Schnelldruck"},
        {7, "C'est à %s de jouer."},
        {1054, "Position actuelle"},
    };
    for (const auto& c : cases) EXPECT_EQ(BuiltInTexts().Get(c.number), c.text) << c.number;
}

}  // namespace
}  // namespace circumvia::lang
