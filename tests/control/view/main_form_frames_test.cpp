// What the viewport shows while moves are played: frames grabbed from the real window.
// With CIRCUMVIA_FRAME_DIR set, the frames are also written there as PNG files to look at.
#include <gtest/gtest.h>

#include <QDir>

#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

using testing::MainFormTest;

class MainFormFramesTest : public MainFormTest {
protected:
    QImage Frame(const char* name) {
        QImage frame = window.Viewer().Snapshot();
        const QString folder = qEnvironmentVariable("CIRCUMVIA_FRAME_DIR");
        if (!folder.isEmpty())
            frame.save(QDir(folder).filePath(QString::fromLatin1(name) + ".png"));
        return frame;
    }
    void Advance(double seconds) {
        for (double t = 0; t < seconds; t += 0.02) {
            frame_time += 0.02;
            window.FrameClock().Step();
        }
    }
};

TEST_F(MainFormFramesTest, CaptureGlidesAroundTheArcsAndTheVictimFliesOff) {
    StartGame();
    window.TB_vue2Click();
    SetBoard({{2, kRed}, {35, kWhite}, {36, kWhite}, {31, kRed}});
    const QImage before = Frame("capture-0-before");
    window.PlayMove(2, 35);
    Advance(1.5);
    const QImage on_the_way = Frame("capture-1-on-the-way");
    Advance(3.1);  // the capturing piece reaches the victim, which takes off
    const QImage knocked = Frame("capture-2-victim-flying");
    Advance(4);
    const QImage after = Frame("capture-3-after");
    EXPECT_NE(before, on_the_way);
    EXPECT_NE(on_the_way, knocked);
    EXPECT_NE(knocked, after);
    EXPECT_EQ(window.Turn().RunningPaths(), 0);
    EXPECT_EQ(window.Turn().MoveStartTick(), kLongAgoTick);
}

TEST_F(MainFormFramesTest, BackAndForwardRedrawThePieces) {
    StartGame();
    window.PlayMove(26, 20);
    RunUntilHumanTurn();
    window.FrameClock().Step();
    const QImage played = Frame("navigation-0-played");
    window.TB_retClick();
    window.FrameClock().Step();
    const QImage back = Frame("navigation-1-back");
    window.TB_suivClick();
    window.FrameClock().Step();
    const QImage forward = Frame("navigation-2-forward");
    EXPECT_NE(played, back);
    EXPECT_EQ(played, forward);
}

// The last move's cells are ringed in a colour of their own, in either view, on the plain
// slab as on the wood: beside the empty from cell and beside the piece on the to cell.
TEST_F(MainFormFramesTest, TheLastMovesCellsAreRingedInBothViewsWithAndWithoutTextures) {
    StartGame();
    window.PlayMove(26, 20);
    FinishAnimations();
    const double ring = (scene::kLastMoveRingInner + scene::kLastMoveRingOuter) / 2;
    for (const bool top : {false, true}) {
        top ? window.TB_vue2Click() : window.TB_vue1Click();
        for (const char* name : {"last-move-plain", "last-move-textured"}) {
            window.Menu().TextureItem->trigger();
            window.FrameClock().Step();
            const QImage frame = Frame(name);
            // Left and right of each cell: clear of the piece in either view.
            for (const scene::Vec3 on_ring :
                 {scene::Vec3{scene::CellX(26) - ring, scene::kLastMoveRingHeight,
                              scene::CellZ(26)},
                  scene::Vec3{scene::CellX(20) + ring, scene::kLastMoveRingHeight,
                              scene::CellZ(20)}}) {
                const scene::ScreenPoint p = window.Viewer().View().Project(
                    window.Board().Plateau->AbsoluteMatrix().TransformPoint(on_ring));
                const QColor c =
                    frame.pixelColor(QPoint(int(p.x), int(p.y)) * frame.devicePixelRatio());
                EXPECT_TRUE(c.blue() > 200 && c.green() > 150 && c.red() < 100)
                    << name << (top ? " top " : " perspective ") << c.name().toStdString();
            }
        }
    }
}

}  // namespace
}  // namespace circumvia::control
