#include "control/window/version_text.h"

namespace circumvia::control {

QString VersionText(const QString& file_version) {
    return file_version.trimmed();
}

QString BuildFileVersion() {
    return QStringLiteral(CIRCUMVIA_VERSION);
}

}  // namespace circumvia::control
