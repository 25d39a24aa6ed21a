// The main window on a screen of double density (Qt's scale factor 2): sharp icons, the
// board drawn at device pixels, and picking still on the object under the pointer.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSurfaceFormat>
#include <QTemporaryDir>
#include <QToolBar>

#include "control/window/application_identity.h"
#include "control/window/main_form.h"
#include "scene/gl/scene_viewer.h"

namespace circumvia::control {
namespace {

TEST(DenseScreen, ToolbarIconsBoardAndPickingUseTheDevicePixels) {
    TMainForm window;
    window.show();
    ASSERT_EQ(window.devicePixelRatio(), 2);

    const QToolBar& toolbar = *window.Menu().ToolBar1;
    const QSize icon_size = toolbar.iconSize();
    int icons = 0;
    for (QAction* action : toolbar.actions()) {
        if (action->icon().isNull()) continue;
        ++icons;
        // No picture is made larger than it is drawn: a 20-pixel one stays 20 pixels.
        const QPixmap drawn = action->icon().pixmap(icon_size, 2.0);
        EXPECT_EQ(drawn.size(), icon_size * 2) << action->text().toStdString();
    }
    EXPECT_GE(icons, 8);

    window.Timer1Timer();  // the first tick shows the start view
    const QImage frame = window.Viewer().Snapshot();
    EXPECT_EQ(frame.size(), window.Viewer().size() * 2);

    // Picking works in the widget's own (logical) coordinates.
    const scene::TSceneObject& piece = *window.Board().SceneObjects[scene::kFirstRedPiece];
    const scene::ScreenPoint at = window.Viewer().View().Project(piece.AbsolutePosition());
    EXPECT_EQ(window.Viewer().GetPickedObject(static_cast<int>(at.x), static_cast<int>(at.y)),
              &piece);
}

}  // namespace
}  // namespace circumvia::control

// Its own main: the scale factor must be set before the application exists.
int main(int argc, char* argv[]) {
    qputenv("QT_SCALE_FACTOR", "2");
    QSurfaceFormat::setDefaultFormat(circumvia::scene::ViewerSurfaceFormat());
    const QTemporaryDir settings_home;
    qputenv("XDG_CONFIG_HOME", settings_home.path().toLocal8Bit());
    QApplication app(argc, argv);
    circumvia::control::SetApplicationIdentity();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
