#include "lang/language.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <algorithm>

namespace circumvia::lang {
namespace {

class LanguageTest : public ::testing::Test {
protected:
    void TearDown() override { SetLanguageCode('F'); }
};

TEST_F(LanguageTest, MessagesAreOffsetByTheLanguage) {
    SetLanguageCode('F');
    EXPECT_EQ(LoadText(20), "Fichier illisible !");
    EXPECT_EQ(LoadText(7), "C'est à %s de jouer.");
    SetLanguageCode('A');
    EXPECT_EQ(LoadText(20), "File format error!");
    EXPECT_EQ(LoadText(19), "Game over. %s resigned.");
    SetLanguageCode('E');
    EXPECT_EQ(LoadText(7), "Le toca a %s.");
    EXPECT_EQ(LoadText(17), "%s es el vencedor (%d - %d).");
    SetLanguageCode('D');
    EXPECT_EQ(LoadText(7), "%s ist am Zug.");
    EXPECT_EQ(LoadText(18), "Unentschieden.");
    EXPECT_EQ(LoadText(2), "Circumvia-Datei (*.Cva)|*.Cva|Textdatei (*.txt)|*.TXT");
}

TEST_F(LanguageTest, UnknownLetterReadsAsFrench) {
    SetLanguageCode('x');
    EXPECT_EQ(LoadText(18), "Partie nulle.");
    EXPECT_EQ(CaptionBase(), 1000);
}

TEST_F(LanguageTest, MissingNumbersGiveTheEmptyText) {
    for (char code : {'F', 'A', 'E', 'D'}) {
        SetLanguageCode(code);
        EXPECT_EQ(LoadText(13), "") << code;
        EXPECT_EQ(LoadText(0), "") << code;
        EXPECT_EQ(LoadText(16), "") << code;
    }
    EXPECT_EQ(Caption(2051), "");
    EXPECT_EQ(Caption(1049), "");
    EXPECT_EQ(Caption(5000), "");
}

TEST_F(LanguageTest, CaptionsComeFromTheLanguageBaseWithoutFurtherOffset) {
    const struct {
        char code;
        int base;
        const char* file;
        const char* kind5;
    } cases[] = {{'F', 1000, "&Fichier", "Ordinateur Excellence"},
                 {'A', 2000, "&File", "Computer Excellence"},
                 {'E', 3000, "&Archivo", "Ordenador excelencia"},
                 {'D', 4000, "&Datei", "Computer 5"}};
    for (const auto& c : cases) {
        SetLanguageCode(c.code);
        EXPECT_EQ(CaptionBase(), c.base);
        EXPECT_EQ(Caption(CaptionBase()), c.file);
        EXPECT_EQ(Caption(CaptionBase() + 91), c.kind5);
    }
    EXPECT_EQ(Caption(3036), "Parámetros ");  // trailing blank kept
    EXPECT_EQ(Caption(4066), "Schließen ");
}

TEST_F(LanguageTest, DefaultNamesAreSemicolonSeparatedLists) {
    SetLanguageCode('A');
    const std::string english = LoadText(12);
    EXPECT_EQ(std::count(english.begin(), english.end(), ';'), 3);
    SetLanguageCode('E');
    EXPECT_EQ(LoadText(12).back(), ';');
    for (char code : {'F', 'D'}) {
        SetLanguageCode(code);
        const std::string names = LoadText(12);
        EXPECT_EQ(std::count(names.begin(), names.end(), ';'), 6) << code;
    }
}

TEST(LanguageFromAbbreviation, MapsFourLanguagesAndEverythingElseToEnglish) {
    EXPECT_EQ(LanguageFromAbbreviation("ENU"), 'A');
    EXPECT_EQ(LanguageFromAbbreviation("FRA"), 'F');
    EXPECT_EQ(LanguageFromAbbreviation("DEU"), 'D');
    EXPECT_EQ(LanguageFromAbbreviation("ESN"), 'E');
    EXPECT_EQ(LanguageFromAbbreviation("ITA"), 'A');
    EXPECT_EQ(LanguageFromAbbreviation("JPN"), 'A');
    EXPECT_EQ(LanguageFromAbbreviation(""), 'A');
    EXPECT_EQ(LanguageFromAbbreviation("fr"), 'A');  // compared exactly, case-sensitively
}

TEST_F(LanguageTest, LocaleDecidesTheStartLanguage) {
    const struct {
        QLocale::Language language;
        char expected;
    } cases[] = {{QLocale::German, 'D'},  {QLocale::French, 'F'},  {QLocale::Spanish, 'E'},
                 {QLocale::English, 'A'}, {QLocale::Italian, 'A'}, {QLocale::Japanese, 'A'},
                 {QLocale::C, 'A'}};
    for (const auto& c : cases) {
        QLocale::setDefault(QLocale(c.language));
        SetLanguageCode('F');
        LanguageFromLocale();
        EXPECT_EQ(LanguageCode(), c.expected)
            << QLocale::languageToString(c.language).toStdString();
    }
}

}  // namespace
}  // namespace circumvia::lang
