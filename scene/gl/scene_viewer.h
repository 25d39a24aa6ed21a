#pragma once
// The viewport: a widget showing a scene through a camera in a native OpenGL window of its
// own (see scene_window.h), answering picking queries in widget coordinates and handing
// out snapshots. The program treats it as any widget: the pointer, wheel, key and drop
// events of the window arrive here, and the cursor set here is the window's.

#include <QImage>
#include <QRect>
#include <QWidget>
#include <optional>
#include <vector>

#include "scene/color.h"
#include "scene/gl/scene_window.h"
#include "scene/picking.h"
#include "scene/projection.h"
#include "scene/render_quality.h"

namespace circumvia::scene {

class TScene;
class TCamera;

class TSceneViewer : public QWidget {
public:
    // The scene must outlive the viewer.
    explicit TSceneViewer(TScene& scene, QWidget* parent = nullptr);

    const TCamera* Camera() const { return window_->Camera(); }
    void SetCamera(const TCamera* camera);
    Color BackgroundColor() const { return window_->BackgroundColor(); }
    void SetBackgroundColor(Color color);

    // The camera's view at the widget's current size; needs a camera.
    TView View() const;
    // The nearest object in the 3 x 3 pixel square around (x, y), or null.
    TSceneObject* GetPickedObject(int x, int y);
    // The objects hit in the rectangle, nearest first, at most `capacity`.
    std::vector<PickHit> GetPickedObjects(const QRect& rect, int capacity);

    // Redraws the viewport at the next pass of the event loop.
    void Redraw() { window_->Redraw(); }
    // The scene as it is now, drawn afresh, in the viewport's pixel size; a null image
    // before the viewport was first shown.
    QImage Snapshot() { return window_->Snapshot(); }
    // The window drawn in (its FrameSwapped() tells when a frame has been shown).
    TSceneWindow& Window() { return *window_; }

    // Draws with this quality whatever the renderer and size; nullopt chooses again.
    void ForceRenderQuality(std::optional<RenderQuality> quality);
    // What the last frame was drawn with: the quality chosen, and the samples per pixel
    // the buffer really had (0 without multisampling).
    RenderQuality LastRenderQuality() const { return window_->LastRenderQuality(); }
    int LastDrawnSamples() const { return window_->LastDrawnSamples(); }

protected:
    bool event(QEvent* event) override;

private:
    TScene& scene_;
    TSceneWindow* window_;  // owned by its container, a child of this widget
};

}  // namespace circumvia::scene
