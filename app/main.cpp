// Entry of the game: sets up OpenGL defaults, then opens the main window.
#include <QApplication>
#include <QIcon>
#include <QSurfaceFormat>
#include <cstring>
#include <iostream>

#include "scene/gl/scene_viewer.h"

#include "control/files/game_file_names.h"
#include "control/window/application_identity.h"
#include "control/window/main_form.h"
#include "control/window/version_text.h"

namespace {

// --version and --help are answered before the application object exists, so they work
// without a display (packaging tools and users on a text console call them).
bool AnswerInfoOption(int argc, char* argv[], int& status) {
    if (argc != 2) return false;
    if (std::strcmp(argv[1], "--version") == 0 || std::strcmp(argv[1], "-v") == 0) {
        std::cout << "circumvia " << circumvia::control::BuildFileVersion().toStdString() << '\n';
    } else if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::cout << "usage: circumvia [FILE]\n"
                     "       circumvia --help | --version\n\n"
                     "Plays Circumvia; FILE is a saved game (.Cva) to open.\n";
    } else {
        return false;
    }
    status = 0;
    return true;
}

constexpr char kUsage[] = "usage: circumvia [FILE]\n";

QIcon ApplicationIcon() {
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/app_icon/circumvia_%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

// A wrong command line is told before the application object exists, so it is told
// also where there is no display to open.
bool RefuseCommandLine(int argc, char* argv[]) {
    QStringList words;
    for (int k = 0; k < argc; ++k) words << QString::fromLocal8Bit(argv[k]);
    const circumvia::control::CommandLine command_line =
        circumvia::control::ParseCommandLine(circumvia::control::WithoutQtOptions(words));
    if (command_line.error.isEmpty()) return false;
    std::cerr << "circumvia: " << command_line.error.toStdString() << '\n' << kUsage;
    return true;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (int status = 0; AnswerInfoOption(argc, argv, status)) return status;
    if (RefuseCommandLine(argc, argv)) return 2;

    // The surface format must be set before the application object exists.
    QSurfaceFormat::setDefaultFormat(circumvia::scene::ViewerSurfaceFormat());

    QApplication app(argc, argv);
    circumvia::control::SetApplicationIdentity();
    QApplication::setApplicationVersion(QStringLiteral(CIRCUMVIA_VERSION));
    // Lets the desktop match the window to its menu entry and show the entry's icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("com.vantor.Circumvia"));
    QApplication::setWindowIcon(ApplicationIcon());

    // Qt has taken its own options (-platform, -display, ...) out of the arguments by now.
    const circumvia::control::CommandLine command_line =
        circumvia::control::ParseCommandLine(QApplication::arguments());
    if (!command_line.error.isEmpty()) {
        std::cerr << "circumvia: " << command_line.error.toStdString() << '\n' << kUsage;
        return 2;
    }

    circumvia::control::TMainForm window;
    if (!command_line.game_file.isEmpty()) window.OpenAtStart(command_line.game_file);
    window.show();
    return app.exec();
}
