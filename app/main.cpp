// Entry of the game: sets up OpenGL defaults, then opens the main window.
#include <QApplication>
#include <QSurfaceFormat>

#include "control/main_form.h"

int main(int argc, char* argv[]) {
    // The surface format must be set before the application object exists.
    QSurfaceFormat format;
    format.setSamples(4);
    format.setSwapInterval(1);
    format.setDepthBufferSize(24);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    QSurfaceFormat::setDefaultFormat(format);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Circumvia"));
    QApplication::setOrganizationName(QStringLiteral("Vantor"));
    QApplication::setApplicationVersion(QStringLiteral(CIRCUMVIA_VERSION));

    circumvia::control::TMainForm window;
    window.show();
    return app.exec();
}
