#include "control/window/version_text.h"

namespace circumvia::control {

QString VersionText(const QString& file_version) {
    const QString trimmed = file_version.trimmed();
    return file_version.size() > 1 && !trimmed.isEmpty() ? trimmed : QStringLiteral("1.0.1.0");
}

QString BuildFileVersion() {
    return QStringLiteral(CIRCUMVIA_VERSION);
}

}  // namespace circumvia::control
