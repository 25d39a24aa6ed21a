#pragma once
// The viewport: an OpenGL widget (4 samples, swap interval 1) that draws a scene through
// a camera, answers picking queries in widget coordinates and hands out snapshots.

#include <QImage>
#include <QOpenGLWidget>
#include <QRect>
#include <QSurfaceFormat>
#include <memory>
#include <vector>

#include "scene/color.h"
#include "scene/picking.h"
#include "scene/projection.h"

namespace circumvia::scene {

class TScene;
class TCamera;
class TSceneRenderer;

// 4 samples, swap interval 1, 24-bit depth, compatibility profile (fixed-function
// lighting). Programs set it as the default before their QApplication exists.
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

protected:
    void initializeGL() override;
    void paintGL() override;

private:
    void ReleaseGl();

    TScene& scene_;
    TCamera* camera_ = nullptr;
    Color background_{0, 0, 0, 1};
    std::unique_ptr<TSceneRenderer> renderer_;
    QMetaObject::Connection context_watch_;
};

}  // namespace circumvia::scene
