#pragma once
// The version shown in the about box: the program's own file version, trimmed, unless it
// is missing or a single character, in which case the built-in "1.0.1.0" stands.

#include <QString>

namespace circumvia::control {

QString VersionText(const QString& file_version);

// This build's file version (the project's version).
QString BuildFileVersion();

}  // namespace circumvia::control
