#include "lang/counted_text.h"

#include <gtest/gtest.h>

#include "lang/language.h"

namespace circumvia::lang {
namespace {

// One takes the singular everywhere, zero only in French (and in any letter read as French);
// the rows come from the current language's captions.
TEST(CountedText, PicksTheSingularOrPluralRowByCountAndLanguage) {
    const struct {
        char code;
        const char* zero;
        const char* one;
        const char* two;
    } cases[] = {
        {'F', "0 gaffe", "1 gaffe", "2 gaffes"},
        {'x', "0 gaffe", "1 gaffe", "2 gaffes"},
        {'A', "0 blunders", "1 blunder", "2 blunders"},
        {'E', "0 errores graves", "1 error grave", "2 errores graves"},
        {'D', "0 grobe Fehler", "1 grober Fehler", "2 grobe Fehler"},
    };
    for (const auto& c : cases) {
        SetLanguageCode(c.code);
        EXPECT_EQ(CountedText(0, kBlunders), c.zero) << c.code;
        EXPECT_EQ(CountedText(1, kBlunders), c.one) << c.code;
        EXPECT_EQ(CountedText(2, kBlunders), c.two) << c.code;
    }
    SetLanguageCode('D');
    EXPECT_EQ(CountedText(40, kMovesOf), "40 Zügen");  // after "von"
    SetLanguageCode('F');
}

}  // namespace
}  // namespace circumvia::lang
