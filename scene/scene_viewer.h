#pragma once
// The viewport: an OpenGL widget (swap interval 1) that draws a scene through a camera,
// answers picking queries in widget coordinates and hands out snapshots. It multisamples
// in a buffer of its own, so that the quality can follow the renderer and the size (see
// render_quality.h) and the window around it never needs multisampled buffers.

#include <QImage>
#include <QOpenGLWidget>
#include <QRect>
#include <QSurfaceFormat>
#include <memory>
#include <optional>
#include <vector>

#include "scene/color.h"
#include "scene/picking.h"
#include "scene/projection.h"
#include "scene/render_quality.h"

class QOpenGLFramebufferObject;

namespace circumvia::scene {

class TScene;
class TCamera;
class TSceneRenderer;

// No samples (the viewer multisamples on its own), swap interval 1, 24-bit depth,
// compatibility profile (fixed-function lighting). Programs set it as the default before
// their QApplication exists.
QSurfaceFormat ViewerSurfaceFormat();

class TSceneViewer : public QOpenGLWidget {
public:
    // The scene must outlive the viewer.
    explicit TSceneViewer(TScene& scene, QWidget* parent = nullptr);
    ~TSceneViewer() override;

    TCamera* Camera() const { return camera_; }
    void SetCamera(TCamera* camera);
    Color BackgroundColor() const { return background_; }
    void SetBackgroundColor(Color color);

    // The camera's view at the widget's current size; needs a camera.
    TView View() const;
    // The nearest object in the 3 x 3 pixel square around (x, y), or null.
    TSceneObject* GetPickedObject(int x, int y);
    // The objects hit in the rectangle, nearest first, at most `capacity`.
    std::vector<PickHit> GetPickedObjects(const QRect& rect, int capacity);

    // Redraws the viewport at the next pass of the event loop.
    void Redraw() { update(); }
    // The scene as it is now, drawn afresh, in the viewport's pixel size.
    QImage Snapshot();

    // Draws with this quality whatever the renderer and size; nullopt chooses again.
    void ForceRenderQuality(std::optional<RenderQuality> quality);
    // What the last frame was drawn with: the quality chosen, and the samples per pixel
    // the buffer really had (0 without multisampling).
    RenderQuality LastRenderQuality() const { return last_quality_; }
    int LastDrawnSamples() const { return last_samples_; }

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void ReleaseGl();
    // The multisampled buffer for a frame of this quality and pixel size, or null to draw
    // straight into the widget's own buffer.
    QOpenGLFramebufferObject* SampleBuffer(const RenderQuality& quality, QSize pixels);

    TScene& scene_;
    TCamera* camera_ = nullptr;
    Color background_{0, 0, 0, 1};
    std::unique_ptr<TSceneRenderer> renderer_;
    std::unique_ptr<QOpenGLFramebufferObject> sample_buffer_;
    int sample_buffer_samples_ = 0;  // as asked for; the driver may give fewer
    bool software_renderer_ = false;
    std::optional<RenderQuality> forced_quality_;
    RenderQuality last_quality_;
    int last_samples_ = 0;
    QMetaObject::Connection context_watch_;
};

}  // namespace circumvia::scene
