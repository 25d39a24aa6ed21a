#include "dialogs/dialog_placement.h"

#include <QWidget>

namespace circumvia::dialogs {

void CentreOnOwner(QWidget& dialog) {
    const QWidget* owner = dialog.parentWidget();
    if (owner == nullptr) return;
    QRect frame(QPoint(0, 0), dialog.size());
    frame.moveCenter(owner->window()->geometry().center());
    dialog.move(frame.topLeft());
}

}  // namespace circumvia::dialogs
