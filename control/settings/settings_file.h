#pragma once
// The settings file in the INI form QSettings reads and writes: a "[Parameters]" group
// with one "Name=value" line per value. Only the program's own values are taken from it,
// so junk in the file costs no memory and is never written back.

#include <QByteArray>
#include <QString>
#include <map>
#include <optional>
#include <span>

namespace circumvia::control {

// A settings file of the program's own is a few hundred bytes; reading stops here, and
// the program never writes a longer one, so all it writes is read back.
inline constexpr qint64 kMaxSettingsFileBytes = 1024 * 1024;

using SettingsValues = std::map<QString, QString>;

// The values named in `names` found in `group` of `contents`. A value that is not valid
// UTF-8 (written by hand or by an older program) is read as Latin-1, so that no
// character is lost; a byte-order mark that some editors put first is passed over.
SettingsValues ParseSettingsFile(const QByteArray& contents, const QString& group,
                                 std::span<const QString> names);

// A whole file holding `values` in `group`, escaped as QSettings escapes them.
QByteArray SettingsFileText(const QString& group, const SettingsValues& values);

// The first kMaxSettingsFileBytes of the file at `path`; empty when it is missing or a
// folder;
// nullopt when something is there that cannot be read: a file without read permission,
// or not a regular file (a pipe would wait for a writer). What cannot be read must not
// be written over.
std::optional<QByteArray> ReadSettingsFileStart(const QString& path);

}  // namespace circumvia::control
