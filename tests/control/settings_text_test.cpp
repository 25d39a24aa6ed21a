#include "control/settings_text.h"

#include <gtest/gtest.h>

namespace circumvia::control {
namespace {

TEST(SettingsText, DefaultCarriesTheLocaleLanguage) {
    EXPECT_EQ(DefaultSettingsText('D'), "11D13000000000000000");
    EXPECT_EQ(DefaultSettingsText('A'), "11A13000000000000000");
}

TEST(SettingsText, ReadsEachCharacter) {
    const SettingsOptions options = ParseSettingsText("01E02000000000000000", 'A');
    EXPECT_FALSE(options.sound);
    EXPECT_TRUE(options.textures);
    EXPECT_EQ(options.language, 'E');
    EXPECT_FALSE(options.show_possible_moves);
    EXPECT_TRUE(options.top_view);
}

TEST(SettingsText, OnlyThreeLettersSelectALanguageOtherThanFrench) {
    for (char letter : {'x', '0', 'F', 'f', 'a', ' '}) {
        EXPECT_EQ(ParseSettingsText(std::string("11") + letter + "13", 'D').language, 'F')
            << letter;
    }
    for (char letter : {'A', 'E', 'D'}) {
        EXPECT_EQ(ParseSettingsText(std::string("11") + letter + "13", 'F').language, letter);
    }
}

TEST(SettingsText, OnlyTheDigitTwoMeansTopViewAndOnlyOneMeansOn) {
    EXPECT_FALSE(ParseSettingsText("11F13", 'F').top_view);
    EXPECT_FALSE(ParseSettingsText("11F1x", 'F').top_view);
    EXPECT_TRUE(ParseSettingsText("11F12", 'F').top_view);
    EXPECT_FALSE(ParseSettingsText("21F13", 'F').sound);
}

TEST(SettingsText, ShortTextTakesMissingCharactersFromTheDefault) {
    const SettingsOptions empty = ParseSettingsText("", 'D');
    EXPECT_TRUE(empty.sound);
    EXPECT_TRUE(empty.textures);
    EXPECT_EQ(empty.language, 'D');
    EXPECT_TRUE(empty.show_possible_moves);
    EXPECT_FALSE(empty.top_view);
    const SettingsOptions two = ParseSettingsText("00", 'E');
    EXPECT_FALSE(two.sound);
    EXPECT_FALSE(two.textures);
    EXPECT_EQ(two.language, 'E');
}

// Each such character counts as one, and takes the default: sound, textures and hints
// stay on, the language is the locale's.
TEST(SettingsText, CharactersOutsidePrintableAsciiTakeTheirDefaults) {
    const SettingsOptions accents = ParseSettingsText("\u00e9\u00e9\u00e9\u00e9\u00e902", 'D');
    EXPECT_TRUE(accents.sound);
    EXPECT_TRUE(accents.textures);
    EXPECT_EQ(accents.language, 'D');
    EXPECT_TRUE(accents.show_possible_moves);
    EXPECT_FALSE(accents.top_view);
    // The characters after a non-ASCII one keep their places.
    const SettingsOptions shifted = ParseSettingsText("\u20ac0A02", 'F');
    EXPECT_TRUE(shifted.sound);
    EXPECT_FALSE(shifted.textures);
    EXPECT_EQ(shifted.language, 'A');
    EXPECT_FALSE(shifted.show_possible_moves);
    EXPECT_TRUE(shifted.top_view);
    const SettingsOptions broken = ParseSettingsText("\xff\t0", 'E');  // not UTF-8; a tab
    EXPECT_TRUE(broken.sound);
    EXPECT_TRUE(broken.textures);
    EXPECT_EQ(broken.language, 'F');  // '0' is a printable letter that names no language
}

TEST(SettingsText, WrittenTextRoundTripsAndHasTwentyCharacters) {
    SettingsOptions options;
    options.sound = false;
    options.language = 'D';
    options.top_view = true;
    const std::string text = SettingsTextFor(options);
    EXPECT_EQ(text, "01D12000000000000000");
    const SettingsOptions back = ParseSettingsText(text, 'A');
    EXPECT_EQ(back.sound, options.sound);
    EXPECT_EQ(back.textures, options.textures);
    EXPECT_EQ(back.language, options.language);
    EXPECT_EQ(back.show_possible_moves, options.show_possible_moves);
    EXPECT_EQ(back.top_view, options.top_view);
    EXPECT_EQ(SettingsTextFor(SettingsOptions{}), "11F13000000000000000");
}

}  // namespace
}  // namespace circumvia::control
