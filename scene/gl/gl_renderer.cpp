#include "scene/gl/gl_renderer.h"

#include "scene/camera.h"
#include "scene/draw_list.h"
#include "scene/light_source.h"
#include "scene/projection.h"
#include "scene/scene.h"

namespace circumvia::scene {
namespace {

constexpr int kMaxLights = 8;  // what fixed-function OpenGL guarantees
constexpr GLfloat kGlobalAmbient[] = {0.2f, 0.2f, 0.2f, 1};

void SetColor(GLenum face, GLenum property, const Color& color) {
    const GLfloat values[] = {color.r, color.g, color.b, color.a};
    glMaterialfv(face, property, values);
}

void SetLightColor(GLenum light, GLenum property, const Color& color) {
    const GLfloat values[] = {color.r, color.g, color.b, color.a};
    glLightfv(light, property, values);
}

void SetFace(GLenum face, const TFaceProperties& properties) {
    SetColor(face, GL_AMBIENT, properties.ambient);
    SetColor(face, GL_DIFFUSE, properties.diffuse);
    SetColor(face, GL_EMISSION, properties.emission);
    SetColor(face, GL_SPECULAR, properties.specular);
    glMaterialf(face, GL_SHININESS, properties.shininess);
}

void LoadModelView(const Mat4& view, const Mat4& frame) {
    glMatrixMode(GL_MODELVIEW);
    glLoadMatrixd((view * frame).Data());
}

}  // namespace

void TSceneRenderer::Initialize() {
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LESS);
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glFrontFace(GL_CCW);
    glEnable(GL_LIGHTING);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, kGlobalAmbient);
    glShadeModel(GL_SMOOTH);
    glEnable(GL_NORMALIZE);  // frames carry scale, and the board's axes are not exactly unit
    glEnable(GL_MULTISAMPLE);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_DECAL);
}

void TSceneRenderer::Render(const TScene& scene, const TCamera* camera, int width, int height,
                            Color background) {
    glClearColor(background.r, background.g, background.b, background.a);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (camera == nullptr) return;

    const TView view(*camera, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixd(view.Projection().Matrix().Data());
    PlaceLights(scene, view.ViewMatrix());

    for (const DrawItem& item : CollectDrawItems(scene.Root())) {
        const std::string& name = item.object->MaterialName();
        const TMaterial* material = name.empty() ? nullptr : scene.Materials().Find(name);
        ApplyMaterial(material != nullptr ? *material : item.object->OwnMaterial());
        LoadModelView(view.ViewMatrix(), item.frame);
        geometry_.Draw(*item.object);
    }
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glDisable(GL_ALPHA_TEST);
}

void TSceneRenderer::PlaceLights(const TScene& scene, const Mat4& view) {
    int index = 0;
    for (const LightItem& item : CollectLights(scene.Root())) {
        if (index == kMaxLights) break;
        const GLenum light = GL_LIGHT0 + index++;
        const TLightSource& source = *item.light;
        if (!source.Shining()) {
            glDisable(light);
            continue;
        }
        glEnable(light);
        LoadModelView(view, item.frame);
        const GLfloat position[] = {0, 0, 0, 1};
        glLightfv(light, GL_POSITION, position);
        const Vec3 d = source.SpotDirection();
        const GLfloat direction[] = {float(d.x), float(d.y), float(d.z)};
        glLightfv(light, GL_SPOT_DIRECTION, direction);
        glLightf(light, GL_SPOT_CUTOFF, float(source.SpotCutOff()));
        glLightf(light, GL_SPOT_EXPONENT, float(source.SpotExponent()));
        const Vec3 a = source.Attenuation();
        glLightf(light, GL_CONSTANT_ATTENUATION, float(a.x));
        glLightf(light, GL_LINEAR_ATTENUATION, float(a.y));
        glLightf(light, GL_QUADRATIC_ATTENUATION, float(a.z));
        SetLightColor(light, GL_AMBIENT, source.Ambient());
        SetLightColor(light, GL_DIFFUSE, source.Diffuse());
        SetLightColor(light, GL_SPECULAR, source.Specular());
    }
    for (; index < kMaxLights; ++index) glDisable(GL_LIGHT0 + index);
}

void TSceneRenderer::ApplyMaterial(const TMaterial& material) {
    SetFace(GL_FRONT, material.front);
    SetFace(GL_BACK, material.back);
    if (material.blending == BlendingMode::kTranslucent) {
        // Depth test and depth writes stay on: a lower surface drawn later does not cover
        // a translucent one drawn before it.
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_ALPHA_TEST);
        glAlphaFunc(GL_GREATER, 0);
    } else {
        glDisable(GL_BLEND);
        glDisable(GL_ALPHA_TEST);
    }
    if (material.texture.enabled && material.texture.picture &&
        material.texture.picture->width > 0) {
        glEnable(GL_TEXTURE_2D);
        textures_.Bind(material.texture.picture);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
}

void TSceneRenderer::Release() {
    geometry_.Release();
    textures_.Release();
}

}  // namespace circumvia::scene
