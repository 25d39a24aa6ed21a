#include "control/window/version_text.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace circumvia::control {
namespace {

TEST(VersionText, TakesTheFileVersionWithoutSurroundingBlanks) {
    EXPECT_EQ(VersionText(QStringLiteral(" 1.2.3.4 ")), "1.2.3.4");
    EXPECT_EQ(VersionText(BuildFileVersion()), BuildFileVersion());
}

// The about box has no fallback: the build must carry a real dotted version.
TEST(VersionText, TheBuildCarriesADottedVersion) {
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9]+(\\.[0-9]+)+$"))
                    .match(VersionText(BuildFileVersion()))
                    .hasMatch())
        << BuildFileVersion().toStdString();
}

}  // namespace
}  // namespace circumvia::control
