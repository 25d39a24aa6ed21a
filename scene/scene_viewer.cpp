#include "scene/scene_viewer.h"

#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>

#include "scene/camera.h"
#include "scene/gl_renderer.h"
#include "scene/scene.h"

namespace circumvia::scene {

QSurfaceFormat ViewerSurfaceFormat() {
    QSurfaceFormat format;
    format.setSamples(0);
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

void TSceneViewer::ForceRenderQuality(std::optional<RenderQuality> quality) {
    forced_quality_ = quality;
    update();
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
    const auto* name = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    software_renderer_ = name != nullptr && IsSoftwareRenderer(name);
    renderer_->Initialize();
}

void TSceneViewer::paintGL() {
    const QSize pixels = size() * devicePixelRatio();
    const RenderQuality quality = forced_quality_.value_or(
        ChooseRenderQuality(software_renderer_, pixels.width(), pixels.height()));
    renderer_->SetTextureFiltering(quality.filtering);
    QOpenGLFramebufferObject* buffer = SampleBuffer(quality, pixels);
    if (buffer != nullptr) {
        buffer->bind();
        glViewport(0, 0, pixels.width(), pixels.height());
    }
    GLint samples = 0;
    glGetIntegerv(GL_SAMPLES, &samples);
    renderer_->Render(scene_, camera_, width(), height(), background_);
    if (buffer != nullptr) {
        // Resolves the samples into the widget's buffer, which the window then shows.
        QOpenGLExtraFunctions& gl = *context()->extraFunctions();
        gl.glBindFramebuffer(GL_READ_FRAMEBUFFER, buffer->handle());
        gl.glBindFramebuffer(GL_DRAW_FRAMEBUFFER, defaultFramebufferObject());
        gl.glBlitFramebuffer(0, 0, pixels.width(), pixels.height(), 0, 0, pixels.width(),
                             pixels.height(), GL_COLOR_BUFFER_BIT, GL_NEAREST);
        gl.glBindFramebuffer(GL_FRAMEBUFFER, defaultFramebufferObject());
    }
    last_quality_ = quality;
    last_samples_ = samples;
}

QOpenGLFramebufferObject* TSceneViewer::SampleBuffer(const RenderQuality& quality, QSize pixels) {
    if (quality.samples <= 0 || pixels.isEmpty()) {
        sample_buffer_.reset();  // a large window on a software renderer frees its memory
        return nullptr;
    }
    if (!sample_buffer_ || sample_buffer_->size() != pixels ||
        sample_buffer_samples_ != quality.samples) {
        sample_buffer_samples_ = quality.samples;
        QOpenGLFramebufferObjectFormat format;
        format.setSamples(quality.samples);
        format.setAttachment(QOpenGLFramebufferObject::CombinedDepthStencil);
        sample_buffer_.reset();
        sample_buffer_ = std::make_unique<QOpenGLFramebufferObject>(pixels, format);
        // Without framebuffer objects or samples the frame is drawn plainly.
        if (!sample_buffer_->isValid()) sample_buffer_.reset();
    }
    return sample_buffer_.get();
}

void TSceneViewer::ReleaseGl() {
    sample_buffer_.reset();
    if (renderer_) renderer_->Release();
}

}  // namespace circumvia::scene
