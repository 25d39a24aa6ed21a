#include "control/version_text.h"

namespace circumvia::control {

QString VersionText(const QString& fileVersion) {
    const QString trimmed = fileVersion.trimmed();
    return fileVersion.size() > 1 && !trimmed.isEmpty() ? trimmed : QStringLiteral("1.0.1.0");
}

QString BuildFileVersion() {
    return QStringLiteral(CIRCUMVIA_VERSION);
}

}  // namespace circumvia::control
