#include "app/board_window.h"

#include "scene/board_resources.h"
#include "scene/scene_viewer.h"

namespace circumvia {

BoardWindow::BoardWindow()
    : board_(scene::LoadBoardPictures()),
      clock_(board_.Scene()),
      viewer_(new scene::TSceneViewer(board_.Scene(), this)),
      frame_timer_(clock_) {
    board_.CreateSceneObjects();
    viewer_->SetCamera(board_.Camera);
    setCentralWidget(viewer_);
    clock_.SetRedrawHandler([this] { viewer_->update(); });
    clock_.SetEnabled(true);
    setWindowTitle("Circumvia");
    resize(668, 478);
}

}  // namespace circumvia
