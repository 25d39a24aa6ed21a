// Entry of the game: sets up OpenGL defaults, then opens the main window.
#include <QApplication>
#include <QSurfaceFormat>

#include "scene/scene_viewer.h"

#include "control/main_form.h"

int main(int argc, char* argv[]) {
    // The surface format must be set before the application object exists.
    QSurfaceFormat::setDefaultFormat(circumvia::scene::ViewerSurfaceFormat());

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Circumvia"));
    QApplication::setOrganizationName(QStringLiteral("Vantor"));
    QApplication::setApplicationVersion(QStringLiteral(CIRCUMVIA_VERSION));

    circumvia::control::TMainForm window;
    window.show();
    return app.exec();
}
