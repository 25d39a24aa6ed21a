// main() of the GUI test programs: OpenGL defaults before the application exists,
// settings in Qt's test location so the user's own are never touched.
#include <gtest/gtest.h>

#include <QApplication>
#include <QStandardPaths>
#include <QSurfaceFormat>
#include <cstring>

#include "scene/scene_viewer.h"

int main(int argc, char* argv[]) {
    // Listing the tests (ctest does it at build time) needs no display.
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--gtest_list_tests") == 0) {
            ::testing::InitGoogleTest(&argc, argv);
            return RUN_ALL_TESTS();
        }
    }
    QSurfaceFormat::setDefaultFormat(circumvia::scene::ViewerSurfaceFormat());
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
