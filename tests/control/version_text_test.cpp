#include "control/window/version_text.h"

#include <gtest/gtest.h>

namespace circumvia::control {
namespace {

TEST(VersionText, TakesTheFileVersionWithoutSurroundingBlanks) {
    EXPECT_EQ(VersionText(QStringLiteral(" 1.2.3.4 ")), "1.2.3.4");
    EXPECT_EQ(VersionText(BuildFileVersion()), BuildFileVersion());
}

TEST(VersionText, KeepsTheBuiltInVersionWhenNoneIsGiven) {
    EXPECT_EQ(VersionText(QString()), "1.0.1.0");
    EXPECT_EQ(VersionText(QStringLiteral("7")), "1.0.1.0");
    EXPECT_EQ(VersionText(QStringLiteral("   ")), "1.0.1.0");
}

}  // namespace
}  // namespace circumvia::control
