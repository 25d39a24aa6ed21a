// Frame times of the board scene, drawn by whatever OpenGL the display offers (Mesa
// llvmpipe under Xvfb on a machine without a GPU), at the window's designed size and two
// large ones, in both views, at rest and while a capture is in flight. Needs a display:
// xvfb-run -a -s '-screen 0 1920x1200x24' build/bin/circumvia_scene_bench
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <array>
#include <ctime>
#include <string>

#include "control/view/view_math.h"
#include "scene/board/board_resources.h"
#include "scene/board/board_scene.h"
#include "scene/board/move_paths.h"
#include "scene/draw_list.h"
#include "scene/gl/scene_viewer.h"
#include "scene/picking.h"

namespace {

using namespace circumvia::scene;
namespace control = circumvia::control;

enum class View { kTop, kPerspective };
enum class Phase { kAtRest, kCaptureInFlight };

struct ShownBoard {
    TBoardScene board{LoadBoardPictures()};
    TSceneViewer viewer{board.Scene()};

    ShownBoard(int width, int height, View view) {
        board.CreateSceneObjects();
        viewer.SetCamera(board.Camera);
        viewer.resize(width, height);
        viewer.show();
        exposed = QTest::qWaitForWindowExposed(&viewer);
        // The two views as the window sets them, the zoom following the viewport's size
        // as it follows the window's.
        TCamera& camera = *board.Camera;
        camera.SetDepthOfView(20);
        if (view == View::kPerspective) {
            camera.SetStyle(CameraStyle::kPerspective);
            camera.SetPosition({0, 0, 9});
            camera.SetFocalLength(
                control::FitZoom(control::kPerspectiveFocalLength, width, height));
            board.DummyCube->SetPitchAngle(-4);
        } else {
            camera.SetStyle(CameraStyle::kOrthogonal);
            camera.SetPosition({0, 10, 10});
            camera.SetFocalLength(control::FitZoom(control::kTopFocalLength, width, height));
        }
    }
    // Asks for a frame and waits until it has been drawn and shown.
    void DrawFrame() {
        QEventLoop loop;
        QObject::connect(&viewer.Window(), &TSceneWindow::FrameSwapped, &loop, &QEventLoop::quit);
        viewer.Redraw();
        loop.exec();
    }

    bool exposed = false;
};

double ProcessCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// A point `fraction` of the way along a path's nodes, by node count (good enough to put a
// piece somewhere on its way).
Vec3 Along(const std::vector<PlannedNode>& nodes, double fraction) {
    const double at = fraction * static_cast<double>(nodes.size() - 1);
    const auto i = static_cast<std::size_t>(at);
    if (i + 1 >= nodes.size()) return nodes.back().position;
    const double t = at - static_cast<double>(i);
    return nodes[i].position * (1 - t) + nodes[i + 1].position * t;
}

// A Red piece coming up column 2 from cell 26 to take the White piece on cell 2, which is
// knocked off beyond the far edge; each frame shows the next of 32 moments of the move.
class CaptureInFlight {
public:
    explicit CaptureInFlight(TBoardScene& board) {
        mover_ = board.SceneObjects[kFirstRedPiece + 1];     // JR2 on cell 26
        victim_ = board.SceneObjects[kFirstWhitePiece + 1];  // JB2 on cell 2
        const std::array<std::uint8_t, 5> route{20, 14, 8, 2, 0};
        for (const PlannedPath& path :
             PlanMoverPaths(mover_->Position(), 26, 2, route, true).paths) {
            mover_nodes_.insert(mover_nodes_.end(), path.nodes.begin(), path.nodes.end());
        }
        victim_nodes_ = PlanCaptureFlight(victim_->Position(), 2, 12, 8, false).nodes;
        board.Select1->SetX(mover_->Position().x);
        board.Select1->SetZ(mover_->Position().z);
        board.Select1->SetShining(true);
    }
    void Advance() {
        moment_ = (moment_ + 1) % kMoments;
        const double fraction = static_cast<double>(moment_) / (kMoments - 1);
        mover_->SetPosition(Along(mover_nodes_, fraction));
        victim_->SetPosition(Along(victim_nodes_, fraction));
    }

private:
    static constexpr int kMoments = 32;
    TSceneObject* mover_;
    TSceneObject* victim_;
    std::vector<PlannedNode> mover_nodes_;
    std::vector<PlannedNode> victim_nodes_;
    int moment_ = 0;
};

// One whole frame: drawn into the viewport's window and shown.
// Arguments: width, height, view (0 top, 1 perspective), phase (0 at rest, 1 in flight).
void BM_DrawBoardFrame(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    const auto view = static_cast<View>(state.range(2));
    const auto phase = static_cast<Phase>(state.range(3));
    ShownBoard shown(width, height, view);
    if (!shown.exposed) {
        state.SkipWithError("the window was not shown");
        return;
    }
    CaptureInFlight capture(shown.board);
    // The first frames build the lists and textures and size the buffers.
    for (int i = 0; i < 3; ++i) shown.DrawFrame();
    const double cpu_before = ProcessCpuSeconds();
    for (auto _ : state) {
        if (phase == Phase::kCaptureInFlight) capture.Advance();
        shown.DrawFrame();
    }
    // The renderer's own threads included: less disturbed by other work on the machine
    // than the wall-clock time.
    state.counters["all_threads_cpu_ms"] = benchmark::Counter(
        (ProcessCpuSeconds() - cpu_before) * 1000 / static_cast<double>(state.iterations()));
    state.SetLabel(std::to_string(width) + "x" + std::to_string(height) +
                   (view == View::kPerspective ? " perspective" : " top") +
                   (phase == Phase::kCaptureInFlight ? ", capture in flight" : ", at rest"));
}
BENCHMARK(BM_DrawBoardFrame)
    ->ArgNames({"w", "h", "persp", "flight"})
    ->ArgsProduct({{668}, {478}, {0, 1}, {0, 1}})
    ->Args({1280, 960, 0, 0})
    ->Args({1280, 960, 0, 1})
    ->Args({1280, 960, 1, 0})
    ->Args({1280, 960, 1, 1})
    ->Args({1920, 1080, 0, 0})
    ->Args({1920, 1080, 0, 1})
    ->Args({1920, 1080, 1, 0})
    ->Args({1920, 1080, 1, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(1.0);

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
