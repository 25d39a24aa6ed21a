#include "scene/gl/scene_viewer.h"

#include <QEvent>
#include <QVBoxLayout>

#include "scene/camera.h"
#include "scene/scene.h"

namespace circumvia::scene {

TSceneViewer::TSceneViewer(TScene& scene, QWidget* parent)
    : QWidget(parent), scene_(scene), window_(new TSceneWindow(scene, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    QWidget* container = QWidget::createWindowContainer(window_, this);
    // A drag over the board goes to the widgets around it, as anywhere else in the window.
    // Taken by the container, it would go to the board's window, which passes its input
    // back to this widget, where Qt hands a drag on to the container again.
    container->setAcceptDrops(false);
    layout->addWidget(container);
}

void TSceneViewer::SetCamera(const TCamera* camera) {
    window_->SetCamera(camera);
    Redraw();
}

void TSceneViewer::SetBackgroundColor(Color color) {
    window_->SetBackgroundColor(color);
    Redraw();
}

TView TSceneViewer::View() const {
    return TView(*Camera(), width(), height());
}

TSceneObject* TSceneViewer::GetPickedObject(int x, int y) {
    if (Camera() == nullptr) return nullptr;
    return PickNearest(scene_.Root(), View(), x, y);
}

std::vector<PickHit> TSceneViewer::GetPickedObjects(const QRect& rect, int capacity) {
    if (Camera() == nullptr) return {};
    const QRect r = rect.normalized();
    return PickObjects(scene_.Root(), View(), {r.left(), r.top(), r.right(), r.bottom()}, capacity);
}

void TSceneViewer::ForceRenderQuality(std::optional<RenderQuality> quality) {
    window_->ForceRenderQuality(quality);
    Redraw();
}

bool TSceneViewer::event(QEvent* event) {
    // The pointer over the viewport is over the native window, which shows its own cursor.
    if (event->type() == QEvent::CursorChange) window_->setCursor(cursor());
    return QWidget::event(event);
}

}  // namespace circumvia::scene
