// Entry of the game: sets up OpenGL defaults, then opens the main window.
#include <QApplication>
#include <QSurfaceFormat>

#include "app/board_window.h"

int main(int argc, char* argv[]) {
    // The surface format must be set before the application object exists.
    QSurfaceFormat format;
    format.setSamples(4);
    format.setSwapInterval(1);
    format.setDepthBufferSize(24);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    QSurfaceFormat::setDefaultFormat(format);

    QApplication app(argc, argv);
    QApplication::setOrganizationName("Vantor");
    QApplication::setApplicationName("Circumvia");
    QApplication::setApplicationVersion(CIRCUMVIA_VERSION);

    circumvia::BoardWindow window;
    window.show();
    return app.exec();
}
