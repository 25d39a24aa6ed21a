// The texture and sound options through the real window.
#include <gtest/gtest.h>

#include "scene/gl/sound_library.h"
#include "tests/control/main_form_fixture.h"

namespace circumvia::control {
namespace {

using testing::MainFormTest;
using MainFormOptionsTest = MainFormTest;

TEST_F(MainFormOptionsTest, TwoTextureClicksBringBackTheFirstLook) {
    StartGame();
    const QImage textured = window.Viewer().Snapshot();
    window.Menu().TextureItem->trigger();
    EXPECT_FALSE(window.Menu().TextureItem->isChecked());
    const QImage plain = window.Viewer().Snapshot();
    window.Menu().TextureItem->trigger();
    EXPECT_TRUE(window.Menu().TextureItem->isChecked());
    EXPECT_NE(plain, textured);
    EXPECT_EQ(window.Viewer().Snapshot(), textured);
}

TEST_F(MainFormOptionsTest, NoClickIsPlayedWhileTheSoundIsOff) {
    StartGame();
    window.Menu().Son1->trigger();
    ASSERT_FALSE(window.Menu().Son1->isChecked());
    const int before = window.Sounds().Requests();
    window.PlayMove(26, 20);
    RunUntilHumanTurn();  // the computer's reply lands silently too
    EXPECT_EQ(window.Sounds().Requests(), before);

    window.Menu().Son1->trigger();
    window.PlayMove(25, 19);
    FinishAnimations();
    EXPECT_EQ(window.Sounds().Requests(), before + 1);
}

}  // namespace
}  // namespace circumvia::control
