#include "control/training/lesson_marks.h"

#include <chrono>

#include "control/view/glowing_material.h"
#include "model/movegen.h"

namespace circumvia::control {

namespace {

constexpr char kMarkMaterial[] = "LessonMark";
constexpr char kRunnerMaterial[] = "LessonRunner";
// A little above the keyboard cursor's ring, so both show on one cell.
constexpr double kMarkHeight = 0.135;
constexpr double kRunnerHeight = 0.14;
constexpr std::chrono::milliseconds kRunnerStep{280};

scene::TDisk& AddDisk(scene::TCube& slab, double inner, double outer, double height,
                      const char* material) {
    auto& disk = slab.Add<scene::TDisk>(material);
    disk.SetDirection(kFacingUpDirection);
    disk.SetUp(kFacingUpUp);
    disk.SetPosition({0, height, 0});
    disk.SetInnerRadius(inner);
    disk.SetOuterRadius(outer);
    disk.SetSlices(32);
    disk.SetMaterialName(material);
    disk.SetVisible(false);
    return disk;
}

void PlaceOn(scene::TDisk& disk, int cell) {
    disk.SetX(scene::CellX(cell));
    disk.SetZ(scene::CellZ(cell));
    disk.SetVisible(true);
}

}  // namespace

LessonMarks::LessonMarks(scene::TBoardScene& board, std::function<void()> redraw)
    : board_(board), redraw_(std::move(redraw)) {
    scene::TMaterialLibrary& materials = board_.Scene().Materials();
    materials.Add(GlowingMaterial(kMarkMaterial, {1, 0.78f, 0.1f, 1}));
    materials.Add(GlowingMaterial(kRunnerMaterial, {1, 0.35f, 0.1f, 1}));
    for (int i = 0; i < kMarkedCells; ++i) {
        rings_.push_back(&AddDisk(*board_.Plateau, 0.25, 0.29, kMarkHeight, kMarkMaterial));
    }
    runner_ = &AddDisk(*board_.Plateau, 0, 0.12, kRunnerHeight, kRunnerMaterial);
    timer_.setInterval(kRunnerStep);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Step(); });
}

void LessonMarks::MarkCells(const std::vector<int>& cells) {
    for (std::size_t i = 0; i < rings_.size(); ++i) {
        if (i < cells.size() && IsCell(cells[i])) {
            PlaceOn(*rings_[i], cells[i]);
        } else {
            rings_[i]->SetVisible(false);
        }
    }
    redraw_();
}

void LessonMarks::RunAlongPath(Move move, const Position& position) {
    path_ = {move.From};
    for (std::uint8_t cell : CapturePath(move.From, move.To, position)) {
        if (cell == 0) break;
        path_.push_back(cell);
    }
    next_ = 0;
    timer_.start();
    Step();
}

void LessonMarks::Step() {
    if (next_ >= path_.size()) {
        timer_.stop();
        runner_->SetVisible(false);
    } else {
        PlaceOn(*runner_, path_[next_++]);
    }
    redraw_();
}

void LessonMarks::Clear() {
    timer_.stop();
    runner_->SetVisible(false);
    MarkCells({});
}

}  // namespace circumvia::control
