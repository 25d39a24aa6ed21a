// What the board's window shows on the screen, read back from the X server. Run alone
// (see CMakeLists.txt): another test's window over this one would be read instead.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include "scene/board/board_resources.h"
#include "scene/board/board_scene.h"
#include "scene/gl/scene_viewer.h"

namespace circumvia::scene {
namespace {

// The window shows the frame a snapshot draws through a buffer of its own, multisampled at
// the designed size and plain at a large one. Where the circuit lines overlap at the same
// height either may win a pixel, and the two buffers' formats settle a few such pixels
// differently.
TEST(ScreenFrame, TheWindowShowsWhatASnapshotDraws) {
    TBoardScene board(LoadBoardPictures());
    TSceneViewer viewer(board.Scene());
    board.CreateSceneObjects();
    viewer.SetCamera(board.Camera);
    viewer.setGeometry(0, 0, 668, 478);  // wholly on the screen, at both sizes below
    viewer.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&viewer));
    for (const QSize size : {QSize(668, 478), QSize(1024, 768)}) {
        SCOPED_TRACE(testing::Message() << size.width() << " x " << size.height());
        viewer.resize(size);
        ASSERT_TRUE(QTest::qWaitFor([&] { return viewer.Window().size() == size; }));
        QSignalSpy shown(&viewer.Window(), &TSceneWindow::FrameSwapped);
        viewer.Redraw();
        ASSERT_TRUE(shown.wait());
        const QImage on_screen = viewer.screen()->grabWindow(viewer.Window().winId()).toImage();
        const QImage snapshot = viewer.Snapshot();
        ASSERT_EQ(on_screen.size(), snapshot.size());
        int differing = 0;
        for (int y = 0; y < snapshot.height(); ++y) {
            for (int x = 0; x < snapshot.width(); ++x) {
                differing += on_screen.pixelColor(x, y) != snapshot.pixelColor(x, y);
            }
        }
        EXPECT_LT(differing, snapshot.width() * snapshot.height() / 1000);
    }
}

}  // namespace
}  // namespace circumvia::scene
