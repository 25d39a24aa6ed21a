#include "lang/format.h"

#include <gtest/gtest.h>

#include "lang/language.h"

namespace circumvia::lang {
namespace {

TEST(FormatText, FillsPlaceholdersInOrder) {
    EXPECT_EQ(FormatText("%s joue %s", {"Anna", "E 1->D 1"}), "Anna joue E 1->D 1");
    EXPECT_EQ(FormatText("Partie terminée. Victoire de %s (%d à %d).", {"Anna", "5", "0"}),
              "Partie terminée. Victoire de Anna (5 à 0).");
}

TEST(FormatText, ToleratesMissingArgumentsAndStrayPercents) {
    EXPECT_EQ(FormatText("%s ", {}), " ");
    EXPECT_EQ(FormatText("100% sure %x", {"unused"}), "100% sure %x");
    EXPECT_EQ(FormatText("%%s", {"x"}), "%s");
    EXPECT_EQ(FormatText("end %", {"x"}), "end %");
}

TEST(FormatText, ArgumentsAreNotReinterpreted) {
    EXPECT_EQ(FormatText("%s", {"%s%d"}), "%s%d");
}

}  // namespace
}  // namespace circumvia::lang
