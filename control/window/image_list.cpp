#include "control/window/image_list.h"

#include <QGuiApplication>

namespace circumvia::control {

QPixmap ImageListIcon(ImageIndex index) {
    const QString name =
        QStringLiteral(":/icons/icon_%1").arg(static_cast<int>(index), 2, 10, QLatin1Char('0'));
    // On a screen of double density (or more) the double-size picture, marked as such so that
    // it takes the room of the plain one.
    if (qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1) {
        QPixmap dense(name + QStringLiteral("@2x.png"));
        dense.setDevicePixelRatio(2);
        return dense;
    }
    return QPixmap(name + QStringLiteral(".png"));
}

}  // namespace circumvia::control
