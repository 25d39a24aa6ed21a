#include "control/window/image_list.h"

namespace circumvia::control {

QPixmap ImageListIcon(ImageIndex index) {
    return QPixmap(QStringLiteral(":/icons/icon_%1.png")
                       .arg(static_cast<int>(index), 2, 10, QLatin1Char('0')));
}

}  // namespace circumvia::control
