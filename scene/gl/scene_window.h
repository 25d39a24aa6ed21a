#pragma once
// The native window the viewer draws in, with an OpenGL context of its own. The window
// system shows such a window as it is; an OpenGL widget would instead be copied into its
// top-level window and composed with the rest of it at every frame, which on a software
// renderer costs about as much as drawing the scene. The window draws, hands out
// snapshots, and passes the input events it receives on to the widget it stands for, so
// that the program sees them there. It multisamples in a buffer of its own, so that the
// quality can follow the renderer and the size (see render_quality.h).

#include <qopengl.h>
#include <QImage>
#include <QPointer>
#include <QSize>
#include <QSurfaceFormat>
#include <QWindow>
#include <memory>
#include <optional>

#include "scene/color.h"
#include "scene/render_quality.h"

class QOpenGLContext;
class QOpenGLFramebufferObject;
class QWidget;

namespace circumvia::scene {

class TScene;
class TCamera;
class TSceneRenderer;

// No samples (the window multisamples on its own), swap interval 1, 24-bit depth,
// compatibility profile (fixed-function lighting). Programs set it as the default before
// their QApplication exists.
QSurfaceFormat ViewerSurfaceFormat();

class TSceneWindow : public QWindow {
    Q_OBJECT

public:
    // The scene must outlive the window; input events go on to `events_to`.
    TSceneWindow(const TScene& scene, QWidget* events_to);
    ~TSceneWindow() override;

    const TCamera* Camera() const { return camera_; }
    void SetCamera(const TCamera* camera) { camera_ = camera; }
    Color BackgroundColor() const { return background_; }
    void SetBackgroundColor(Color color) { background_ = color; }
    void ForceRenderQuality(std::optional<RenderQuality> quality) { forced_quality_ = quality; }
    RenderQuality LastRenderQuality() const { return last_quality_; }
    int LastDrawnSamples() const { return last_samples_; }

    // Draws a frame at the next pass of the event loop (several requests, one frame).
    void Redraw() { requestUpdate(); }
    // The scene drawn afresh into a buffer of the window's pixel size, with the quality a
    // frame would have now; a null image before the window was first shown.
    QImage Snapshot();

Q_SIGNALS:
    // A frame has been drawn and handed to the window system.
    void FrameSwapped();

protected:
    bool event(QEvent* event) override;
    void exposeEvent(QExposeEvent* event) override;

private:
    // Makes the context current on this window, creating it and the renderer's lists and
    // textures on first use; false while the window has no native window yet.
    bool MakeCurrent();
    void DrawAndShow();
    RenderQuality QualityNow(QSize pixels) const;
    // Draws one frame into `target` (0: the window's own buffer), through the multisampled
    // buffer when the quality asks for one.
    void DrawFrame(QSize pixels, GLuint target);
    // The multisampled buffer for a frame of this quality and pixel size, or null to draw
    // straight into the target.
    QOpenGLFramebufferObject* SampleBuffer(const RenderQuality& quality, QSize pixels);
    // Frees the lists, textures and buffers, and the context with them.
    void ReleaseGl();

    const TScene& scene_;
    QPointer<QWidget> events_to_;
    bool forwarding_ = false;  // an input event is on its way to `events_to_`
    const TCamera* camera_ = nullptr;
    Color background_{0, 0, 0, 1};
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<TSceneRenderer> renderer_;
    std::unique_ptr<QOpenGLFramebufferObject> sample_buffer_;
    int sample_buffer_samples_ = 0;  // as asked for; the driver may give fewer
    bool software_renderer_ = false;
    std::optional<RenderQuality> forced_quality_;
    RenderQuality last_quality_;
    int last_samples_ = 0;
};

}  // namespace circumvia::scene
