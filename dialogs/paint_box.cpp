#include "dialogs/paint_box.h"

#include <QPainter>

namespace circumvia::dialogs {

void TPaintBox::paintEvent(QPaintEvent* /*event*/) {
    if (!on_paint_) return;
    QPainter painter(this);
    on_paint_(painter);
}

}  // namespace circumvia::dialogs
