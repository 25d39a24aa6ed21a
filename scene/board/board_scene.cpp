#include "scene/board/board_scene.h"

#include <string>

namespace circumvia::scene {
namespace {

// Flat, facing up: lying in the parent's XZ plane, own X along +X and own Y along -Z.
constexpr Vec3 kFacingUpDirection{0, 1, 0};
constexpr Vec3 kFacingUpUp{0, 0, -1};
constexpr double kLineHeight = 0.11;

struct LineRow {
    const char* name;
    double x;
    double z;
    double width;   // along X
    double height;  // along Z
    const char* material;
};

// Drawing order matters: the translucent lines must come before the top plate.
constexpr double kLineLength = 2.5;
constexpr double kLineWidth = 0.1;
const LineRow kLines[] = {
    {"L2", 0, -0.75, kLineLength, kLineWidth, "Lrouge"},
    {"L3", 0, -0.25, kLineLength, kLineWidth, "Lbleu"},
    {"L4", 0, 0.25, kLineLength, kLineWidth, "Lbleu"},
    {"L5", 0, 0.75, kLineLength, kLineWidth, "Lrouge"},
    {"C1", -1.25, 0, kLineWidth, kLineLength, "Lext"},
    {"C2", -0.75, 0, kLineWidth, kLineLength, "Lrouge"},
    {"C3", -0.25, 0, kLineWidth, kLineLength, "Lbleu"},
    {"C4", 0.25, 0, kLineWidth, kLineLength, "Lbleu"},
    {"C5", 0.75, 0, kLineWidth, kLineLength, "Lrouge"},
    {"C6", 1.25, 0, kLineWidth, kLineLength, "Lext"},
    {"L1", 0, -1.25, kLineLength, kLineWidth, "Lext"},
    {"L6", 0, 1.25, kLineLength, kLineWidth, "Lext"},
};

struct ArcRow {
    double x;
    double z;
    double radius;  // of the centre line; the band is 0.1 wide
    const char* material;
    double start;
    double sweep;
};

// Disk1 .. Disk8: small arcs (one cell) for the inner circuit, large (two cells) for
// the outer one, around the outside of each corner of the grid.
const ArcRow kArcs[] = {
    {-1.25, -1.25, 0.5, "Lrouge", 170, 280}, {-1.25, -1.25, 1.0, "Lbleu", 170, 280},
    {1.25, -1.25, 0.5, "Lrouge", 270, 270},  {1.25, -1.25, 1.0, "Lbleu", 270, 270},
    {-1.25, 1.25, 0.5, "Lrouge", 90, 280},   {-1.25, 1.25, 1.0, "Lbleu", 90, 280},
    {1.25, 1.25, 0.5, "Lrouge", 0, 280},     {1.25, 1.25, 1.0, "Lbleu", 0, 280},
};

void LayFlat(TSceneObject& object) {
    object.SetDirection(kFacingUpDirection);
    object.SetUp(kFacingUpUp);
}

TSphere& AddPieceMaster(TSceneObject& parent, const char* name) {
    auto& sphere = parent.Add<TSphere>(name);
    sphere.SetRadius(0.2);
    sphere.SetSlices(32);
    sphere.SetStacks(16);
    return sphere;
}

TDisk& AddLastMoveRing(TSceneObject& parent, const char* name) {
    auto& ring = parent.Add<TDisk>(name);
    LayFlat(ring);
    ring.SetInnerRadius(kLastMoveRingInner);
    ring.SetOuterRadius(kLastMoveRingOuter);
    ring.SetSlices(32);
    ring.SetMaterialName("LastMove");
    ring.SetVisible(false);
    return ring;
}

}  // namespace

TBoardScene::TBoardScene(BoardPictures pictures) {
    AddMaterials(pictures);
    AddBoard();
    AddLinesAndArcs();
    AddMasters();
    AddLightsAndCamera();
}

void TBoardScene::AddBoard() {
    DummyCube = &scene_.Root().Add<TDummyCube>("DummyCube");
    DummyCube->SetDirection(kBoardBaseDirection);
    DummyCube->SetUp(kBoardBaseUp);

    Plateau = &DummyCube->Add<TCube>("Plateau");
    Plateau->SetPosition({0, -0.5, 0});
    Plateau->SetSize({5.5, 0.2, 5.5});
    Plateau->SetMaterialName("Plateau");

    Select1 = &Plateau->Add<TLightSource>("Select1");
    Select1->SetPosition({0, 0.6, 0});
    Select1->SetSpotDirection({0, -1, 0});
    Select1->SetSpotCutOff(40);
    Select1->SetDiffuse({1, 0.43f, 0.78f, 1});
    Select1->SetSpecular({1, 1, 1, 1});
    Select1->SetShining(false);  // switched on over a selected piece
}

void TBoardScene::AddLinesAndArcs() {
    for (int i = 0; i < 8; ++i) {
        const ArcRow& row = kArcs[i];
        auto& arc = Plateau->Add<TDisk>("Disk" + std::to_string(i + 1));
        LayFlat(arc);
        arc.SetPosition({row.x, kLineHeight, row.z});
        arc.SetInnerRadius(row.radius - 0.05);
        arc.SetOuterRadius(row.radius + 0.05);
        arc.SetSlices(24);
        arc.SetStartAngle(row.start);
        arc.SetSweepAngle(row.sweep);
        arc.SetMaterialName(row.material);
        Disk[i + 1] = &arc;
    }
    for (const LineRow& row : kLines) {
        auto& line = Plateau->Add<TPlane>(row.name);
        LayFlat(line);
        line.SetPosition({row.x, kLineHeight, row.z});
        line.SetWidth(row.width);
        line.SetHeight(row.height);
        line.SetMaterialName(row.material);
    }
}

void TBoardScene::AddMasters() {
    // A square frame: a torus of 4 rings with its corners on the board's diagonals.
    Bordure = &Plateau->Add<TTorus>("Bordure");
    Bordure->SetPosition({0, 0.1, 0});
    Bordure->SetDirection({0, 1, 0});
    Bordure->SetUp({-0.707107, 0, -0.707107});
    Bordure->SetMajorRadius(3.8);
    Bordure->SetMinorRadius(0.1);
    Bordure->SetRings(4);
    Bordure->SetSides(15);
    Bordure->SetMaterialName("Plateau");

    JetonR = &AddPieceMaster(*Plateau, "JetonR");
    JetonR->SetMaterialName("Jrouge");
    JetonB = &AddPieceMaster(*Plateau, "JetonB");  // the default material: white

    Dessus = &Plateau->Add<TPlane>("Dessus");
    LayFlat(*Dessus);
    Dessus->SetPosition({0, 0.105, 0});
    Dessus->SetWidth(5.4);
    Dessus->SetHeight(5.4);
    Dessus->SetXTiles(5);
    Dessus->SetYTiles(5);
    Dessus->SetMaterialName("Pdessus");

    // Points straight down; the arrow markers turn it with their own pitch.
    Fleche = &Plateau->Add<TArrowLine>("Fleche");
    Fleche->SetDirection({0, -1, 0});
    Fleche->SetUp({0, 0, 1});
    Fleche->SetHeight(0.2);
    Fleche->SetBottomRadius(0.02);
    Fleche->SetTopRadius(0.02);
    Fleche->SetTopArrowHeadHeight(0.2);
    Fleche->SetTopArrowHeadRadius(0.06);
    Fleche->SetVisible(false);
    Fleche->SetMaterialName("Fleche");

    LastMoveFrom = &AddLastMoveRing(*Plateau, "LastMoveFrom");
    LastMoveTo = &AddLastMoveRing(*Plateau, "LastMoveTo");
}

void TBoardScene::AddLightsAndCamera() {
    LightSource1 = &DummyCube->Add<TLightSource>("LightSource1");
    LightSource1->SetPosition({0, 4, 0});
    LightSource1->SetSpotDirection({0, -1, 0});
    LightSource1->SetSpotCutOff(35);

    Camera = &scene_.Root().Add<TCamera>("Camera");
    Camera->SetPosition({0, 10, 10});
    Camera->SetStyle(CameraStyle::kOrthogonal);
    Camera->SetFocalLength(10);
    Camera->SetDepthOfView(20);
    Camera->SetTarget(DummyCube);
}

void TBoardScene::CreateSceneObjects() {
    for (int cell = 1; cell <= 36; ++cell) {
        auto& marker = Plateau->Add<TDisk>();
        marker.SetFrontDiffuse({0, 0, 0, 1});
        marker.SetOuterRadius(0.08);
        marker.SetPitchAngle(90);
        marker.SetPosition({CellX(cell), kMarkerHeight, CellZ(cell)});
        marker.SetName("PL" + std::to_string(cell));
        marker.SetTag(cell);
        SceneObjects[kFirstCellMarker + cell - 1] = &marker;
    }
    // The pieces start where the model's start position has them: White on 1..12, Red on
    // 25..36.
    const struct {
        TSphere* master;
        const char* prefix;
        int first_index;
        int first_cell;
    } sides[] = {{JetonR, "JR", kFirstRedPiece, 25}, {JetonB, "JB", kFirstWhitePiece, 1}};
    for (const auto& side : sides) {
        side.master->SetVisible(false);
        for (int j = 1; j <= kPiecesPerSide; ++j) {
            const int cell = side.first_cell + j - 1;
            auto& piece = Plateau->Add<TProxyObject>();
            SceneObjects[side.first_index + j - 1] = &piece;
            piece.SetPosition(SceneObjects[kFirstCellMarker + cell - 1]->Position());
            piece.SetY(kRestingPieceHeight);
            piece.SetMaster(side.master);
            piece.SetName(side.prefix + std::to_string(j));
            piece.SetTag(cell);
        }
    }
    for (int k = 1; k <= kArrowMarkerCount; ++k) {
        auto& marker = Plateau->Add<TProxyObject>();
        SceneObjects[kFirstArrowMarker + k - 1] = &marker;
        marker.SetVisible(false);
        marker.SetMaster(Fleche);
        marker.SetName("FL" + std::to_string(k));
    }
}

}  // namespace circumvia::scene
