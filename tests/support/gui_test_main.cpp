// main() of the GUI test programs: OpenGL defaults before the application exists,
// settings in a temporary folder of their own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSurfaceFormat>
#include <QTemporaryDir>
#include <cstring>

#include "control/window/application_identity.h"
#include "scene/gl/scene_viewer.h"

int main(int argc, char* argv[]) {
    // Listing the tests (ctest does it at build time) needs no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0) {
            ::testing::InitGoogleTest(&argc, argv);
            return RUN_ALL_TESTS();
        }
    }
    QSurfaceFormat::setDefaultFormat(circumvia::scene::ViewerSurfaceFormat());
    // Each test program keeps its settings in a folder of its own: ctest runs several at
    // once, and they must neither touch the user's settings nor each other's.
    const QTemporaryDir settingsHome;
    qputenv("XDG_CONFIG_HOME", settingsHome.path().toLocal8Bit());
    QApplication app(argc, argv);
    circumvia::control::SetApplicationIdentity();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
