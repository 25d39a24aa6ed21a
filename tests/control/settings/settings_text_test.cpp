#include "control/settings/settings_text.h"

#include <gtest/gtest.h>

namespace circumvia::control {
namespace {

TEST(SettingsText, DefaultCarriesTheLocaleLanguage) {
    EXPECT_EQ(DefaultSettingsText('D'), "11D13000000000000000");
    EXPECT_EQ(DefaultSettingsText('A'), "11A13000000000000000");
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

// How a stored text reads: each character in its place; a short text takes the missing
// characters from the default (the locale's language); a character outside printable ASCII
// counts as one and takes its default, the characters after it keeping their places.
TEST(SettingsText, ReadsEachCharacterWithDefaultsForMissingAndStrayOnes) {
    struct Case {
        const char* text;
        char locale;
        bool sound, textures;
        char language;
        bool show_possible_moves, top_view;
    };
    const Case cases[] = {
        {"01E02000000000000000", 'A', false, true, 'E', false, true},
        {"", 'D', true, true, 'D', true, false},
        {"00", 'E', false, false, 'E', true, false},
        {"\u00e9\u00e9\u00e9\u00e9\u00e902", 'D', true, true, 'D', true, false},
        {"\u20ac0A02", 'F', true, false, 'A', false, true},
        // Not UTF-8, then a tab; '0' is a printable letter that names no language.
        {"\xff\t0", 'E', true, true, 'F', true, false},
    };
    for (const Case& c : cases) {
        const SettingsOptions options = ParseSettingsText(c.text, c.locale);
        SCOPED_TRACE(c.text);
        EXPECT_EQ(options.sound, c.sound);
        EXPECT_EQ(options.textures, c.textures);
        EXPECT_EQ(options.language, c.language);
        EXPECT_EQ(options.show_possible_moves, c.show_possible_moves);
        EXPECT_EQ(options.top_view, c.top_view);
    }
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
