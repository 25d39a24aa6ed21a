#pragma once
// A stand-in main window: the board scene in a viewport filling the window, with the
// scene's start-up camera and a running frame clock.

#include <QMainWindow>

#include "scene/board_scene.h"
#include "scene/frame_clock.h"
#include "scene/frame_timer.h"

namespace circumvia::scene {
class TSceneViewer;
}

namespace circumvia {

class BoardWindow : public QMainWindow {
public:
    BoardWindow();

private:
    scene::TBoardScene board_;
    scene::TFrameClock clock_;
    scene::TSceneViewer* viewer_;  // owned by the window (Qt parent)
    scene::TFrameTimer frame_timer_;
};

}  // namespace circumvia
