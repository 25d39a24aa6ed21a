#include "scene/scene_viewer.h"

#include <QOpenGLContext>

#include "scene/camera.h"
#include "scene/gl_renderer.h"
#include "scene/scene.h"

namespace circumvia::scene {

QSurfaceFormat ViewerSurfaceFormat() {
    QSurfaceFormat format;
    format.setSamples(4);
    format.setSwapInterval(1);
    format.setDepthBufferSize(24);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    return format;
}

TSceneViewer::TSceneViewer(TScene& scene, QWidget* parent)
    : QOpenGLWidget(parent), scene_(scene), renderer_(std::make_unique<TSceneRenderer>()) {
    setFormat(ViewerSurfaceFormat());
}

TSceneViewer::~TSceneViewer() {
    // The base class destroys the context after this object is gone; no call back here.
    disconnect(context_watch_);
    makeCurrent();
    ReleaseGl();
    doneCurrent();
}

void TSceneViewer::SetCamera(TCamera* camera) {
    camera_ = camera;
    update();
}

void TSceneViewer::SetBackgroundColor(Color color) {
    background_ = color;
    update();
}

TView TSceneViewer::View() const {
    return TView(*camera_, width(), height());
}

TSceneObject* TSceneViewer::GetPickedObject(int x, int y) {
    if (camera_ == nullptr) return nullptr;
    return PickNearest(scene_.Root(), View(), x, y);
}

std::vector<PickHit> TSceneViewer::GetPickedObjects(const QRect& rect, int capacity) {
    if (camera_ == nullptr) return {};
    const QRect r = rect.normalized();
    return PickObjects(scene_.Root(), View(), {r.left(), r.top(), r.right(), r.bottom()}, capacity);
}

// Grabbing draws a new frame first, so the picture is always current.
QImage TSceneViewer::Snapshot() {
    return grabFramebuffer();
}

void TSceneViewer::initializeGL() {
    // The context can be replaced (a widget moved to another window); the lists and
    // textures of the old one go with it.
    disconnect(context_watch_);
    context_watch_ = connect(context(), &QOpenGLContext::aboutToBeDestroyed, this, [this] {
        makeCurrent();
        ReleaseGl();
        doneCurrent();
    });
    renderer_->Initialize();
}

void TSceneViewer::paintGL() {
    renderer_->Render(scene_, camera_, width(), height(), background_);
}

void TSceneViewer::ReleaseGl() {
    if (renderer_) renderer_->Release();
}

}  // namespace circumvia::scene
