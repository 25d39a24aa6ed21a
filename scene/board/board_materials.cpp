// The materials of the board scene, as a table. Components not given keep the
// defaults of TFaceProperties.
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

const MaterialRow kMaterials[] = {
    {.name = "Plateau",
     .front = {.ambient = {0.658824f, 0.658824f, 0.658824f, 1},
               .diffuse = {0.75f, 0.75f, 0.75f, 1},
               .emission = {0.2f, 0.2f, 0.2f, 1}},
     .picture = Picture::kDarkWood},
    {.name = "Lext",
     .front = {.diffuse = {0.55f, 0.09f, 0.09f, 0.4f}},
     .blending = BlendingMode::kTranslucent},
    {.name = "Lbleu",
     .front = {.diffuse = {0.196078f, 0.196078f, 0.8f, 0.4f}},
     .blending = BlendingMode::kTranslucent},
    {.name = "Lrouge",
     .front = {.diffuse = {0.439216f, 0.858824f, 0.576471f, 0.4f}},
     .blending = BlendingMode::kTranslucent},
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
