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

}  // namespace
}  // namespace circumvia::control
