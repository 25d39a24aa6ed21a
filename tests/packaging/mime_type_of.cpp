// Prints the type the desktop's MIME database gives each file named on the command line,
// one per line, as a Qt or KDE program would see it (globs first, then the files' bytes).
#include <QCoreApplication>
#include <QMimeDatabase>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QMimeDatabase database;
    QTextStream out(stdout);
    const QStringList paths = QCoreApplication::arguments().mid(1);
    for (const QString& path : paths) out << database.mimeTypeForFile(path).name() << '\n';
    return 0;
}
