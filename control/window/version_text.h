#pragma once
// The version shown in the about box: the program's own file version, trimmed.

#include <QString>

namespace circumvia::control {

QString VersionText(const QString& file_version);

// This build's file version (the project's version).
QString BuildFileVersion();

}  // namespace circumvia::control
