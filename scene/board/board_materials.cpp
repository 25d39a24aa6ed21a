// The materials of the board scene, as a table. Components not given keep the
// defaults of TFaceProperties.
#include "assets/circuit_colours.h"
#include "scene/board/board_scene.h"

namespace circumvia::scene {
namespace {

enum class Picture { kNone, kDarkWood, kLightWood };

struct MaterialRow {
    const char* name;
    TFaceProperties front{};
    TFaceProperties back{};
    BlendingMode blending = BlendingMode::kOpaque;
    Picture picture = Picture::kNone;
};

constexpr Color kBlack{0, 0, 0, 1};

constexpr Color Scaled(const assets::CircuitColour& c, float share) {
    return {share * static_cast<float>(c.red) / 255, share * static_cast<float>(c.green) / 255,
            share * static_cast<float>(c.blue) / 255, 1};
}

constexpr TFaceProperties CircuitFace(const assets::CircuitColour& c) {
    return {.ambient = Scaled(c, 0.5f), .diffuse = Scaled(c, 1), .emission = Scaled(c, 0.4f)};
}

const MaterialRow kMaterials[] = {
    {.name = "Plateau",
     .front = {.ambient = {0.658824f, 0.658824f, 0.658824f, 1},
               .diffuse = {0.75f, 0.75f, 0.75f, 1},
               .emission = {0.2f, 0.2f, 0.2f, 1}},
     .picture = Picture::kDarkWood},
    {.name = "Lext",
     .front = {.diffuse = {0.55f, 0.09f, 0.09f, 0.4f}},
     .blending = BlendingMode::kTranslucent},
    // The circuits in their own colours, opaque and partly lit from within: see-through, the
    // wood under them turned the green olive and the blue purple.
    {.name = "Lbleu", .front = CircuitFace(assets::kOuterCircuitColour)},
    {.name = "Lrouge", .front = CircuitFace(assets::kInnerCircuitColour)},
    {.name = "Jrouge",
     .front = {.ambient = {1, 0.498039f, 0, 1}, .diffuse = {0.55f, 0.09f, 0.09f, 1}},
     .back = {.diffuse = {1, 0, 0, 1},
              .emission = {0.36f, 0.2f, 0.09f, 1},
              .specular = {0.647059f, 0.164706f, 0.164706f, 1}}},
    {.name = "Pdessus",
     .front = {.ambient = kBlack,
               .diffuse = kBlack,
               .emission = {0.258824f, 0.435294f, 0.258824f, 1}},
     .picture = Picture::kLightWood},
    // The last move's two rings: bright in their own light, so that they show on the plain
    // slab and on the wood alike.
    {.name = "LastMove",
     .front = {.ambient = kBlack, .diffuse = kBlack, .emission = {0.1f, 0.85f, 1, 1}}},
    {.name = "Fleche",
     .front = {.diffuse = {0.498039f, 1, 0, 1}, .emission = {0.137255f, 0.556863f, 0.419608f, 1}},
     .back = {.diffuse = {0.576471f, 0.858824f, 0.439216f, 1}}},
};

}  // namespace

void TBoardScene::AddMaterials(const BoardPictures& pictures) {
    for (const MaterialRow& row : kMaterials) {
        TMaterial material;
        material.name = row.name;
        material.front = row.front;
        material.back = row.back;
        material.blending = row.blending;
        if (row.picture != Picture::kNone) {
            material.texture.picture =
                row.picture == Picture::kDarkWood ? pictures.dark_wood : pictures.light_wood;
            material.texture.enabled = true;
        }
        scene_.Materials().Add(std::move(material));
    }
}

}  // namespace circumvia::scene
