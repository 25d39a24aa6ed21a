#pragma once
// A plain rectangle that its owner paints: the owner's function draws on the box's own
// painter at every repaint, so the drawing follows the screen's pixel density.

#include <QWidget>
#include <functional>

class QPainter;

namespace circumvia::dialogs {

class TPaintBox : public QWidget {
    Q_OBJECT
public:
    using PaintHandler = std::function<void(QPainter&)>;

    explicit TPaintBox(QWidget* parent = nullptr) : QWidget(parent) {}

    void SetOnPaint(PaintHandler handler) { on_paint_ = std::move(handler); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PaintHandler on_paint_;
};

}  // namespace circumvia::dialogs
