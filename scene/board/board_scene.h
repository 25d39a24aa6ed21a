#pragma once
// The board scene: the fixed layout (board group, slab, lines, corner arcs, border, top
// plate, piece and arrow masters, lights, camera, materials) and the 75 objects made at
// start-up (cell markers, pieces, arrow markers), found by name and by the table
// `SceneObjects`. Plain C++: the pictures are handed in already decoded.

#include <array>
#include <memory>

#include "scene/arrow_line.h"
#include "scene/board/board_geometry.h"
#include "scene/camera.h"
#include "scene/dummy_cube.h"
#include "scene/light_source.h"
#include "scene/material.h"
#include "scene/proxy_object.h"
#include "scene/scene.h"
#include "scene/shapes.h"
#include "scene/torus.h"

namespace circumvia::scene {

struct BoardPictures {
    std::shared_ptr<const TPicture> dark_wood;   // slab and border
    std::shared_ptr<const TPicture> light_wood;  // top plate
};

class TBoardScene {
public:
    // Builds the fixed layout; the 75 objects come with CreateSceneObjects.
    explicit TBoardScene(BoardPictures pictures = {});
    TBoardScene(const TBoardScene&) = delete;
    TBoardScene& operator=(const TBoardScene&) = delete;

    // Makes the cell markers, pieces and arrow markers and fills `SceneObjects`; the
    // pieces stand on their start cells. Called once, at start-up.
    void CreateSceneObjects();

    TScene& Scene() { return scene_; }
    const TScene& Scene() const { return scene_; }

    TDummyCube* DummyCube = nullptr;
    TCube* Plateau = nullptr;
    TLightSource* Select1 = nullptr;
    std::array<TDisk*, 9> Disk{};  // Disk[1] .. Disk[8], the corner arcs
    TTorus* Bordure = nullptr;
    TSphere* JetonR = nullptr;
    TSphere* JetonB = nullptr;
    TPlane* Dessus = nullptr;
    TArrowLine* Fleche = nullptr;
    // Rings round the from and to cells of the last move played; hidden until placed.
    TDisk* LastMoveFrom = nullptr;
    TDisk* LastMoveTo = nullptr;
    TLightSource* LightSource1 = nullptr;
    TCamera* Camera = nullptr;
    // SceneObjects[1..75]; entry 0 stays empty.
    std::array<TSceneObject*, kSceneObjectCount + 1> SceneObjects{};

private:
    void AddMaterials(const BoardPictures& pictures);
    void AddBoard();
    void AddLinesAndArcs();
    void AddMasters();
    void AddLightsAndCamera();

    TScene scene_;
};

}  // namespace circumvia::scene
