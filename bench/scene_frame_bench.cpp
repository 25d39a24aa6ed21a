// Frame times of the board scene at the window's designed size (668 x 478), drawn by
// whatever OpenGL the display offers (Mesa llvmpipe under Xvfb on a machine without a
// GPU). Needs a display: xvfb-run -a -s '-screen 0 1280x1024x24' build/bin/circumvia_scene_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QTest>

#include "scene/board/board_resources.h"
#include "scene/board/board_scene.h"
#include "scene/draw_list.h"
#include "scene/picking.h"
#include "scene/scene_viewer.h"

namespace {

using namespace circumvia::scene;

struct ShownBoard {
    TBoardScene board{LoadBoardPictures()};
    TSceneViewer viewer{board.Scene()};

    ShownBoard() {
        board.CreateSceneObjects();
        viewer.SetCamera(board.Camera);
        viewer.resize(668, 478);
        viewer.show();
        exposed = QTest::qWaitForWindowExposed(&viewer);
    }
    // Asks for a frame and waits until it has been drawn and shown.
    void DrawFrame() {
        QEventLoop loop;
        QObject::connect(&viewer, &QOpenGLWidget::frameSwapped, &loop, &QEventLoop::quit);
        viewer.update();
        loop.exec();
    }

    bool exposed = false;
};

// One whole frame: drawn into the widget's multisampled buffer and shown in the window.
void BM_DrawBoardFrame(benchmark::State& state) {
    ShownBoard shown;
    if (!shown.exposed) {
        state.SkipWithError("the window was not shown");
        return;
    }
    const bool perspective = state.range(0) != 0;
    if (perspective) {
        shown.board.Camera->SetStyle(CameraStyle::kPerspective);
        shown.board.Camera->SetFocalLength(100);
        shown.board.Camera->SetPosition({0, 0, 9});
        shown.board.DummyCube->SetPitchAngle(-4);
    }
    for (auto _ : state) shown.DrawFrame();
    state.SetLabel(perspective ? "perspective view" : "start-up (top) view");
}
BENCHMARK(BM_DrawBoardFrame)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0);

// The part of a frame spent outside OpenGL: flattening the tree into the draw list.
void BM_CollectDrawItems(benchmark::State& state) {
    TBoardScene board;
    board.CreateSceneObjects();
    for (auto _ : state) benchmark::DoNotOptimize(CollectDrawItems(board.Scene().Root()));
}
BENCHMARK(BM_CollectDrawItems)->Unit(benchmark::kMicrosecond);

// A click: the nearest object under the pointer, then the 5 x 5 pick list.
void BM_PickPiece(benchmark::State& state) {
    TBoardScene board;
    board.CreateSceneObjects();
    const TView view(*board.Camera, 668, 478);
    const ScreenPoint p = view.Project(board.SceneObjects[kFirstRedPiece]->AbsolutePosition());
    const int x = static_cast<int>(p.x);
    const int y = static_cast<int>(p.y);
    for (auto _ : state) {
        benchmark::DoNotOptimize(PickNearest(board.Scene().Root(), view, x, y));
        benchmark::DoNotOptimize(
            PickObjects(board.Scene().Root(), view, {x - 2, y - 2, x + 2, y + 2}, 10));
    }
}
BENCHMARK(BM_PickPiece)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    QSurfaceFormat::setDefaultFormat(ViewerSurfaceFormat());
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
