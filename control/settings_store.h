#pragma once
// The per-user settings store: the application's default QSettings (organisation "Vantor",
// application "Circumvia", set by SetApplicationIdentity), group "Parameters", four named
// string values.

#include <QSettings>
#include <QString>

namespace circumvia::control {

class SettingsStore {
public:
    SettingsStore();

    QString Read(const QString& name, const QString& fallback) const;
    void Write(const QString& name, const QString& value);
    void Sync() { settings_.sync(); }

    // Value names.
    static inline const QString kDefault = QStringLiteral("Default");
    static inline const QString kPlayers = QStringLiteral("Players");
    static inline const QString kWhiteName = QStringLiteral("P1");
    static inline const QString kRedName = QStringLiteral("P2");

private:
    QSettings settings_;
};

}  // namespace circumvia::control
