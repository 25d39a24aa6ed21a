#pragma once
// The main window's image list: the player kinds shown in the status bar and the icons of
// the toolbar, each drawn by assets/icons/make_icons.py as ":/icons/icon_NN.png" and, for
// screens of double density, ":/icons/icon_NN@2x.png".

#include <QPixmap>

namespace circumvia::control {

enum class ImageIndex : int {
    Computer = 0,
    Human = 1,
    PreviousMove = 2,
    Rotate = 4,
    NextMove = 5,
    ZoomOut = 6,
    ZoomIn = 7,
    View3D = 8,
    View2D = 9,
    Refresh = 10,
};

QPixmap ImageListIcon(ImageIndex index);

}  // namespace circumvia::control
