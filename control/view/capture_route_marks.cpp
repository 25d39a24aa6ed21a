#include "control/view/capture_route_marks.h"

#include <cstdint>

#include "control/view/glowing_material.h"
#include "model/movegen.h"
#include "scene/board/board_geometry.h"

namespace circumvia::control {

namespace {

constexpr char kDotMaterial[] = "CaptureRoute";
// Just above the lines, under the pieces and the last move's rings.
constexpr double kDotHeight = 0.125;
constexpr double kDotRadius = 0.06;
// The route's orange of the rules pages' pictures, lit from within to show on any wood.
constexpr scene::Color kDotColour{0.925f, 0.588f, 0, 1};

}  // namespace

std::array<bool, kCellCount + 1> CellsOnCaptureRoutes(const Tlcoup& moves,
                                                      const Position& position) {
    std::array<bool, kCellCount + 1> on_route{};
    for (const Move& move : moves) {
        for (const std::uint8_t cell : CapturePath(move.From, move.To, position)) {
            if (cell == 0 || cell == move.To) break;
            if (cell != move.From) on_route[cell] = true;
        }
    }
    return on_route;
}

void CaptureRouteMarks::MakeDots() {
    board_.Scene().Materials().Add(GlowingMaterial(kDotMaterial, kDotColour));
    for (int cell = 1; cell <= kCellCount; ++cell) {
        auto& dot = board_.Plateau->Add<scene::TDisk>(kDotMaterial);
        dot.SetDirection(kFacingUpDirection);
        dot.SetUp(kFacingUpUp);
        dot.SetPosition({scene::CellX(cell), kDotHeight, scene::CellZ(cell)});
        dot.SetOuterRadius(kDotRadius);
        dot.SetSlices(16);
        dot.SetMaterialName(kDotMaterial);
        dot.SetTag(cell);  // a click on a dot is a click on its cell
        dot.SetVisible(false);
        dots_[static_cast<std::size_t>(cell)] = &dot;
    }
}

void CaptureRouteMarks::Show(const Tlcoup& moves, const Position& position, bool show) {
    const std::array<bool, kCellCount + 1> on_route =
        show ? CellsOnCaptureRoutes(moves, position) : std::array<bool, kCellCount + 1>{};
    if (dots_[1] == nullptr) {
        bool any = false;
        for (const bool on : on_route) any = any || on;
        if (!any) return;  // nothing to show, nothing made yet
        MakeDots();
    }
    for (int cell = 1; cell <= kCellCount; ++cell) {
        dots_[static_cast<std::size_t>(cell)]->SetVisible(on_route[static_cast<std::size_t>(cell)]);
    }
}

}  // namespace circumvia::control
