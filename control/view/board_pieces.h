#pragma once
// The main window's hold on the board scene's 75 start-up objects: placing the pieces from
// a position, finding a piece by the cell in its tag, and the destination markers.

#include "control/view/capture_route_marks.h"
#include "model/board.h"
#include "model/move.h"
#include "scene/board/board_scene.h"

namespace circumvia::control {

// The cell from which a move of `position` enters its destination: the start cell of a step,
// the last cell of a capture's route before the captured piece.
int ArrivalCell(Move move, const Position& position);

class BoardPieces {
public:
    explicit BoardPieces(scene::TBoardScene& board) : board_(board) {}

    // Stops every movement and puts one piece object on each occupied cell, in cell order,
    // each side's objects taken in index order; the objects left over are hidden.
    void RefreshPieces(const Position& position);

    // The piece object whose tag is the cell, Red's then White's; null when none.
    scene::TSceneObject* PieceOnCell(int cell) const;

    // Where a cell's marker stands (its x and z are where pieces and arrows go).
    scene::Vec3 CellPosition(int cell) const;

    // Hides every arrow marker; with `show`, marker k stands on the destination of
    // moves[k - 1] in `position`, lying along the board the way the piece arrives there,
    // and dots mark the cells the captures pass.
    void ShowMarkers(const Tlcoup& moves, const Position& position, bool show);

    // Puts every shown arrow marker where its cell is seen: on the line from a perspective
    // camera's eye to the cell, at the arrows' height, so that it never hides another
    // cell's piece; seen straight from above (the top view) that is right over the cell.
    // Called again whenever the camera or the board's tilt or turn changes.
    void PlaceMarkers();

    // Rings round the from and to cells of the last move played; hidden when either is
    // not a cell (no move yet, or a pass).
    void MarkLastMove(int from, int to);

    // Hides every piece object that has left the board (tag -1).
    void HideCapturedPieces();

    // Spot light over an object, or off.
    void LightUp(const scene::TSceneObject* object);

    scene::TBoardScene& Board() { return board_; }

private:
    scene::TSceneObject& Object(int index) const { return *board_.SceneObjects[index]; }

    scene::TBoardScene& board_;
    CaptureRouteMarks routes_{board_};
};

// Piece objects and arrow markers are proxies; cell markers are disks.
bool IsProxy(const scene::TSceneObject& object);
bool IsPieceOf(const scene::TSceneObject& object, Side side);

}  // namespace circumvia::control
