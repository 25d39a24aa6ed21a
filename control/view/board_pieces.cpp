#include "control/view/board_pieces.h"

#include <cmath>
#include <cstdint>
#include <utility>

#include "model/movegen.h"
#include "scene/board/board_geometry.h"

namespace circumvia::control {

using scene::kArrowMarkerCount;
using scene::kFirstArrowMarker;
using scene::kFirstCellMarker;
using scene::kFirstRedPiece;
using scene::kFirstWhitePiece;
using scene::kPiecesPerSide;

bool IsProxy(const scene::TSceneObject& object) {
    return dynamic_cast<const scene::TProxyObject*>(&object) != nullptr;
}

bool IsPieceOf(const scene::TSceneObject& object, Side side) {
    const std::string& name = object.Name();
    return IsProxy(object) && name.size() > 2 && name[0] == 'J' &&
           name[1] == (side == kRed ? 'R' : 'B');
}

void BoardPieces::RefreshPieces(const Position& position) {
    board_.Scene().StopAllMovements();
    for (int i = kFirstRedPiece; i < kFirstArrowMarker; ++i) Object(i).SetTag(-1);
    for (int cell = 1; cell <= kCellCount; ++cell) {
        if (position[cell] != kRed && position[cell] != kWhite) continue;
        const int first = position[cell] == kRed ? kFirstRedPiece : kFirstWhitePiece;
        for (int i = first; i < first + kPiecesPerSide; ++i) {
            scene::TSceneObject& piece = Object(i);
            if (piece.Tag() >= 0) continue;
            piece.SetTag(cell);
            piece.SetVisible(true);
            const scene::Vec3 at = CellPosition(cell);
            piece.SetPosition({at.x, scene::kRestingPieceHeight, at.z});
            break;
        }
    }
    HideCapturedPieces();
}

scene::TSceneObject* BoardPieces::PieceOnCell(int cell) const {
    for (int i = kFirstRedPiece; i < kFirstArrowMarker; ++i) {
        if (Object(i).Tag() == cell) return &Object(i);
    }
    return nullptr;
}

scene::Vec3 BoardPieces::CellPosition(int cell) const {
    return Object(kFirstCellMarker + cell - 1).Position();
}

int ArrivalCell(Move move, const Position& position) {
    const CapturePathCells route = CapturePath(move.From, move.To, position);
    int before = move.From;
    for (const std::uint8_t cell : route) {
        if (cell == 0 || cell == move.To) break;
        before = cell;
    }
    return before;
}

void BoardPieces::ShowMarkers(const Tlcoup& moves, const Position& position, bool show) {
    for (int k = 0; k < kArrowMarkerCount; ++k) {
        scene::TSceneObject& marker = Object(kFirstArrowMarker + k);
        marker.SetVisible(false);
        marker.SetTag(-1);
    }
    routes_.Show(moves, position, show);
    if (!show) return;
    for (std::size_t k = 0; k < moves.size() && k < static_cast<std::size_t>(kArrowMarkerCount);
         ++k) {
        const int to = moves[k].To;
        if (to == 0) continue;
        scene::TSceneObject& marker = Object(kFirstArrowMarker + static_cast<int>(k));
        // The master arrow points into the board; laid flat, its up vector is the opposite
        // of the way it points.
        const scene::Vec3 along = CellPosition(to) - CellPosition(ArrivalCell(moves[k], position));
        const double length = std::hypot(along.x, along.z);
        marker.SetDirection({0, -1, 0});
        marker.SetUp({-along.x / length, 0, -along.z / length});
        marker.SetVisible(true);
        marker.SetTag(to);
    }
    PlaceMarkers();
}

void BoardPieces::PlaceMarkers() {
    const scene::TCamera& camera = *board_.Camera;
    const bool perspective = camera.Style() == scene::CameraStyle::kPerspective;
    const scene::Vec3 eye =
        board_.Plateau->AbsoluteMatrix().Inverse().TransformPoint(camera.AbsolutePosition());
    for (int k = 0; k < kArrowMarkerCount; ++k) {
        scene::TSceneObject& marker = Object(kFirstArrowMarker + k);
        if (!marker.Visible() || marker.Tag() <= 0) continue;
        const scene::Vec3 cell = CellPosition(marker.Tag());
        const double rise = eye.y - cell.y;
        if (!perspective || rise <= scene::kArrowMarkerHeight) {
            marker.SetPosition({cell.x, scene::kArrowMarkerHeight, cell.z});
            continue;
        }
        const double share = (scene::kArrowMarkerHeight - cell.y) / rise;
        marker.SetPosition({cell.x + (eye.x - cell.x) * share, scene::kArrowMarkerHeight,
                            cell.z + (eye.z - cell.z) * share});
    }
}

void BoardPieces::MarkLastMove(int from, int to) {
    const bool shown = IsCell(from) && IsCell(to);
    const std::pair<scene::TDisk*, int> rings[] = {{board_.LastMoveFrom, from},
                                                   {board_.LastMoveTo, to}};
    for (auto [ring, cell] : rings) {
        ring->SetVisible(shown);
        if (!shown) continue;
        const scene::Vec3 at = CellPosition(cell);
        ring->SetPosition({at.x, scene::kLastMoveRingHeight, at.z});
    }
}

void BoardPieces::HideCapturedPieces() {
    for (int i = kFirstRedPiece; i < kFirstArrowMarker; ++i) {
        if (Object(i).Tag() < 0) Object(i).SetVisible(false);
    }
}

void BoardPieces::LightUp(const scene::TSceneObject* object) {
    if (object == nullptr) {
        board_.Select1->SetShining(false);
        return;
    }
    const scene::Vec3 at = object->Position();
    board_.Select1->SetX(at.x);
    board_.Select1->SetZ(at.z);
    board_.Select1->SetShining(true);
}

}  // namespace circumvia::control
