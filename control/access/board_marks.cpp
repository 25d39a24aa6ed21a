#include "control/access/board_marks.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <string>

#include "control/view/glowing_material.h"

namespace circumvia::control {

namespace {

constexpr char kRingMaterial[] = "CursorRing";
constexpr char kRingEdgeMaterial[] = "CursorEdge";
const scene::Color kLabelTile{0.96f, 0.91f, 0.78f, 1};
// Just above the cell markers, so that the ring is never inside the board's top.
constexpr double kRingHeight = 0.13;
constexpr double kLabelHeight = 0.107;  // on the top plate, under the lines
constexpr double kLabelSize = 0.24;
// Beside the grid, clear of the corner arcs and inside the border.
constexpr double kLabelOffset = 2.44;
constexpr int kGlyphPixels = 64;

// A dark character on a light tile: the picture's alpha lays the character over the
// tile's own colour.
std::shared_ptr<const scene::TPicture> GlyphPicture(QChar character) {
    QImage image(kGlyphPixels, kGlyphPixels, QImage::Format_RGBA8888);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(kGlyphPixels * 3 / 4);
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(QColor(40, 25, 10));
        painter.drawText(image.rect(), Qt::AlignCenter, QString(character));
    }
    auto picture = std::make_shared<scene::TPicture>();
    picture->width = image.width();
    picture->height = image.height();
    picture->rgba.assign(image.constBits(), image.constBits() + image.sizeInBytes());
    return picture;
}

void LayFlat(scene::TSceneObject& object, scene::Vec3 at) {
    object.SetDirection(kFacingUpDirection);
    object.SetUp(kFacingUpUp);
    object.SetPosition(at);
    object.SetVisible(false);
}

scene::TDisk& AddRing(scene::TCube& slab, double inner, double outer, double height,
                      const char* material) {
    auto& ring = slab.Add<scene::TDisk>(material);
    LayFlat(ring, {0, height, 0});
    ring.SetInnerRadius(inner);
    ring.SetOuterRadius(outer);
    ring.SetSlices(32);
    ring.SetMaterialName(material);
    return ring;
}

}  // namespace

BoardMarks::BoardMarks(scene::TBoardScene& board) : board_(board) {
    scene::TMaterialLibrary& materials = board_.Scene().Materials();
    materials.Add(GlowingMaterial(kRingMaterial, {0.1f, 0.75f, 1, 1}));
    materials.Add(GlowingMaterial(kRingEdgeMaterial, {0, 0, 0.15f, 1}));
    ring_edge_ = &AddRing(*board_.Plateau, 0.17, 0.245, kRingHeight - 0.002, kRingEdgeMaterial);
    ring_ = &AddRing(*board_.Plateau, 0.19, 0.228, kRingHeight, kRingMaterial);

    for (int i = 0; i < 2 * kBoardSide; ++i) {
        const bool row_letter = i < kBoardSide;
        const int n = i % kBoardSide + 1;  // row or column, 1..6
        auto& label = board_.Plateau->Add<scene::TPlane>("Coordinate " + std::to_string(i));
        const double along = (n - 3.5) * scene::kCellPitch;
        LayFlat(label, row_letter ? scene::Vec3{-kLabelOffset, kLabelHeight, along}
                                  : scene::Vec3{along, kLabelHeight, -kLabelOffset});
        label.SetWidth(kLabelSize);
        label.SetHeight(kLabelSize);
        // The label's own material: the letters are no wood, and stay when textures go off.
        scene::TMaterial material = GlowingMaterial("", kLabelTile);
        material.texture.picture =
            GlyphPicture(row_letter ? QChar(u'A' + (n - 1)) : QChar(u'0' + n));
        material.texture.enabled = true;
        label.SetOwnMaterial(std::move(material));
        labels_[static_cast<std::size_t>(i)] = &label;
    }
}

void BoardMarks::ShowCursor(int cell) {
    cursor_cell_ = IsCell(cell) ? cell : 0;
    for (scene::TDisk* ring : {ring_edge_, ring_}) {
        ring->SetVisible(cursor_cell_ != 0);
        if (cursor_cell_ != 0) {
            ring->SetX(scene::CellX(cursor_cell_));
            ring->SetZ(scene::CellZ(cursor_cell_));
        }
    }
}

void BoardMarks::ShowCoordinates(bool show) {
    coordinates_shown_ = show;
    for (scene::TPlane* label : labels_) label->SetVisible(show);
}

}  // namespace circumvia::control
