#include "scene/gl/scene_window.h"

#include <QCoreApplication>
#include <QEvent>
#include <QExposeEvent>
#include <QOpenGLContext>
#include <QOpenGLExtraFunctions>
#include <QOpenGLFramebufferObject>
#include <QPlatformSurfaceEvent>
#include <QWidget>
#include <algorithm>
#include <array>

#include "scene/gl/gl_renderer.h"

namespace circumvia::scene {
namespace {

// What the program reads from the viewport: pointer, wheel, keys, and files dropped on it.
constexpr std::array kForwardedEvents{
    QEvent::MouseButtonPress,
    QEvent::MouseButtonRelease,
    QEvent::MouseButtonDblClick,
    QEvent::MouseMove,
    QEvent::Wheel,
    QEvent::KeyPress,
    QEvent::KeyRelease,
    QEvent::DragEnter,
    QEvent::DragMove,
    QEvent::DragLeave,
    QEvent::Drop,
};

}  // namespace

QSurfaceFormat ViewerSurfaceFormat() {
    QSurfaceFormat format;
    format.setSamples(0);
    format.setSwapInterval(1);
    format.setDepthBufferSize(24);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    return format;
}

TSceneWindow::TSceneWindow(const TScene& scene, QWidget* events_to)
    : scene_(scene), events_to_(events_to), renderer_(std::make_unique<TSceneRenderer>()) {
    setSurfaceType(QSurface::OpenGLSurface);
    setFormat(ViewerSurfaceFormat());
}

// The native window still exists here; QWindow's own destructor removes it.
TSceneWindow::~TSceneWindow() {
    ReleaseGl();
}

// Drawn into a buffer of its own rather than read back from the window: the window's
// back buffer holds nothing defined once a frame has been shown. The buffer has no alpha,
// as the window has none: the translucent lines leave an alpha below one behind them,
// which reading the picture back would otherwise divide out, lightening them.
QImage TSceneWindow::Snapshot() {
    if (!MakeCurrent()) return {};
    const QSize pixels = size() * devicePixelRatio();
    QImage image;
    {
        QOpenGLFramebufferObject target(pixels, QOpenGLFramebufferObject::CombinedDepthStencil,
                                        GL_TEXTURE_2D, GL_RGB8);
        DrawFrame(pixels, target.handle());
        image = target.toImage().convertToFormat(QImage::Format_RGB32);
    }
    image.setDevicePixelRatio(devicePixelRatio());
    context_->doneCurrent();
    return image;
}

bool TSceneWindow::event(QEvent* event) {
    const bool forwarded = std::find(kForwardedEvents.begin(), kForwardedEvents.end(),
                                     event->type()) != kForwardedEvents.end();
    // Qt hands a drag given to a widget on to the widget that took it first: were that the
    // window container, which gives drags to this window, the drag would go round until
    // the stack ran out. Passed on once, it cannot.
    if (forwarded && events_to_ && !forwarding_) {
        forwarding_ = true;
        const bool handled = QCoreApplication::sendEvent(events_to_, event);
        forwarding_ = false;
        return handled;
    }
    if (forwarded) return false;
    switch (event->type()) {
        case QEvent::UpdateRequest:
            DrawAndShow();
            return true;
        case QEvent::PlatformSurface:
            // The native window is about to go (the viewer moved to another top-level
            // window): the context goes with it and is made anew for the next one.
            if (static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed) {
                ReleaseGl();
            }
            break;
        default:
            break;
    }
    return QWindow::event(event);
}

void TSceneWindow::exposeEvent(QExposeEvent*) {
    if (isExposed()) DrawAndShow();
}

bool TSceneWindow::MakeCurrent() {
    if (handle() == nullptr) return false;
    if (context_) return context_->makeCurrent(this);
    auto context = std::make_unique<QOpenGLContext>();
    context->setFormat(requestedFormat());
    if (!context->create() || !context->makeCurrent(this)) return false;
    context_ = std::move(context);
    const auto* name =
        reinterpret_cast<const char*>(context_->functions()->glGetString(GL_RENDERER));
    software_renderer_ = name != nullptr && IsSoftwareRenderer(name);
    renderer_->Initialize();
    return true;
}

void TSceneWindow::DrawAndShow() {
    if (!isExposed() || !MakeCurrent()) return;
    DrawFrame(size() * devicePixelRatio(), context_->defaultFramebufferObject());
    context_->swapBuffers(this);
    Q_EMIT FrameSwapped();
}

RenderQuality TSceneWindow::QualityNow(QSize pixels) const {
    return forced_quality_.value_or(
        ChooseRenderQuality(software_renderer_, pixels.width(), pixels.height()));
}

void TSceneWindow::DrawFrame(QSize pixels, GLuint target) {
    const RenderQuality quality = QualityNow(pixels);
    renderer_->SetTextureFiltering(quality.filtering);
    QOpenGLFramebufferObject* buffer = SampleBuffer(quality, pixels);
    QOpenGLExtraFunctions& gl = *context_->extraFunctions();
    gl.glBindFramebuffer(GL_FRAMEBUFFER, buffer != nullptr ? buffer->handle() : target);
    gl.glViewport(0, 0, pixels.width(), pixels.height());
    GLint samples = 0;
    gl.glGetIntegerv(GL_SAMPLES, &samples);
    renderer_->Render(scene_, camera_, width(), height(), background_);
    if (buffer != nullptr) {
        // Resolves the samples into the target.
        gl.glBindFramebuffer(GL_READ_FRAMEBUFFER, buffer->handle());
        gl.glBindFramebuffer(GL_DRAW_FRAMEBUFFER, target);
        gl.glBlitFramebuffer(0, 0, pixels.width(), pixels.height(), 0, 0, pixels.width(),
                             pixels.height(), GL_COLOR_BUFFER_BIT, GL_NEAREST);
        gl.glBindFramebuffer(GL_FRAMEBUFFER, target);
    }
    last_quality_ = quality;
    last_samples_ = samples;
}

QOpenGLFramebufferObject* TSceneWindow::SampleBuffer(const RenderQuality& quality, QSize pixels) {
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

void TSceneWindow::ReleaseGl() {
    if (!context_) return;
    if (context_->makeCurrent(this)) {
        renderer_->Release();
        sample_buffer_.reset();
        context_->doneCurrent();
    } else {
        // The context's end frees what it held; the renderer starts with empty caches.
        renderer_ = std::make_unique<TSceneRenderer>();
        sample_buffer_.reset();
    }
    context_.reset();
}

}  // namespace circumvia::scene
