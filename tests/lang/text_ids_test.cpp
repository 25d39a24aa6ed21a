// Every text the program names exists in each of the four languages, so that no window
// shows an empty caption after a language change.
#include "lang/text_ids.h"

#include <gtest/gtest.h>

#include <set>

#include "lang/language.h"
#include "lang/text_table.h"

namespace circumvia::lang {
namespace {

constexpr char kLanguages[] = {'F', 'A', 'E', 'D'};

TEST(NamedTexts, EveryMessageExistsInEveryLanguage) {
    const TextTable& texts = BuiltInTexts();
    for (int offset : {0, 100, 200, 300}) {
        for (int number : message::kAll) {
            EXPECT_TRUE(texts.Contains(number + offset)) << "message " << number + offset;
        }
    }
}

TEST(NamedTexts, EveryCaptionExistsInEveryLanguageAndNoneIsNamedTwice) {
    const TextTable& texts = BuiltInTexts();
    for (char code : kLanguages) {
        for (int offset : caption::kAll) {
            const int number = CaptionBaseFor(code) + offset;
            EXPECT_TRUE(texts.Contains(number)) << "caption " << number;
            EXPECT_FALSE(texts.Get(number).empty()) << "caption " << number;
        }
    }
    std::set<int> distinct(caption::kAll.begin(), caption::kAll.end());
    EXPECT_EQ(distinct.size(), caption::kAll.size());
}

}  // namespace
}  // namespace circumvia::lang
