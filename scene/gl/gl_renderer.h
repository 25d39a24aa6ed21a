#pragma once
// Draws a scene with fixed-function OpenGL: clear, the camera's projection and view,
// the lights, then every drawn object depth-first with its material. All OpenGL state
// lives here; the scene itself knows nothing of OpenGL. Needs a current context.

#include "scene/color.h"
#include "scene/gl/gl_geometry.h"
#include "scene/gl/gl_textures.h"
#include "scene/matrix4.h"
#include "scene/render_quality.h"

namespace circumvia::scene {

class TScene;
class TCamera;
struct TMaterial;

class TSceneRenderer {
public:
    // Depth test, back-face culling, lighting with global ambient 0.2, multisampling.
    void Initialize();
    // How the textures are minified from the next frame on.
    void SetTextureFiltering(TextureFiltering filtering) { textures_.SetFiltering(filtering); }
    // Draws one frame into a viewport of width x height logical pixels.
    void Render(const TScene& scene, const TCamera* camera, int width, int height,
                Color background);
    // Frees the lists and textures while the context is still current.
    void Release();

private:
    void PlaceLights(const TScene& scene, const Mat4& view);
    void ApplyMaterial(const TMaterial& material);

    TGeometryCache geometry_;
    TTextureCache textures_;
};

}  // namespace circumvia::scene
