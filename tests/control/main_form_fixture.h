#pragma once
// A real main window driven by hand: the tick counter and the frame clock's time are
// fakes, the 100 ms timer is stopped and ticks are delivered by the test.

#include <gtest/gtest.h>

#include <QSettings>

#include "control/window/main_form.h"
#include "control/window/status_line.h"
#include "lang/format.h"
#include "lang/language.h"
#include "scene/gl/scene_viewer.h"

namespace circumvia::control::testing {

class MainFormTest : public ::testing::Test {
protected:
    MainFormTest() : window([this] { return now; }) {
        QSettings().clear();
        window.FrameClock().SetTimeSource([this] { return frame_time; });
        // Closing at the end of a test never waits for an answer to "Save the game?".
        FileDialogs dialogs = PlatformFileDialogs();
        dialogs.ask_save = [](QWidget*, const QString&) { return SaveAnswer::kDiscard; };
        // Nor for "Abandon the rated game?".
        dialogs.confirm = [](QWidget*, const QString&, const QString&) { return true; };
        window.SetFileDialogs(dialogs);
        window.show();
        window.Timer1().stop();
    }
    ~MainFormTest() override {
        window.close();
        QSettings().clear();
        lang::SetLanguageCode('F');
    }

    // A computer search started by a tick ends before the next one, as the timer's pace
    // lets it.
    void Tick(int count = 1) {
        for (int i = 0; i < count; ++i) {
            now += 100;
            window.WaitForComputerSearch();
            window.Timer1Timer();
        }
    }

    // Lets every running animation finish, a frame at a time.
    void FinishAnimations() {
        for (int frame = 0; frame < 2000 && window.Board().Scene().AnythingTravelling(); ++frame) {
            frame_time += 0.02;
            window.FrameClock().Step();
        }
    }

    // Ticks (finishing animations between them) until the side to move is a human's
    // turn again, or the game ends.
    void RunUntilHumanTurn(int limit = 500) {
        for (int i = 0; i < limit; ++i) {
            FinishAnimations();
            Tick();
            const LoopState state = window.Turn().State();
            if ((state == LoopState::HumanTurn && window.Turn().Phase() == 0) ||
                state == LoopState::GameOver) {
                return;
            }
        }
        ADD_FAILURE() << "no human turn after " << limit << " ticks";
    }

    // Opens the first game: the first tick resets, the second hands the turn over.
    void StartGame() {
        Tick(2);
        ASSERT_EQ(window.Turn().State(), LoopState::HumanTurn);
    }

    // Puts the game on a board holding only these pieces, and the scene with it.
    void SetBoard(std::initializer_list<std::pair<int, std::uint8_t>> pieces) {
        Position p;
        for (auto [cell, value] : pieces) p[cell] = value;
        window.Game().Pos = p;
        window.RefreshPieces();
    }

    std::uint32_t now = 5000000;
    double frame_time = 10;
    TMainForm window;
};

}  // namespace circumvia::control::testing
