#include "control/window/application_identity.h"

#include <QCoreApplication>

namespace circumvia::control {

void SetApplicationIdentity() {
    QCoreApplication::setOrganizationName(QStringLiteral("Vantor"));
    QCoreApplication::setApplicationName(QStringLiteral("Circumvia"));
}

}  // namespace circumvia::control
