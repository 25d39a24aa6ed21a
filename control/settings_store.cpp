#include "control/settings_store.h"

namespace circumvia::control {

namespace {
const QString kGroup = QStringLiteral("Parameters/");
}

SettingsStore::SettingsStore() = default;

QString SettingsStore::Read(const QString& name, const QString& fallback) const {
    return settings_.value(kGroup + name, fallback).toString();
}

void SettingsStore::Write(const QString& name, const QString& value) {
    settings_.setValue(kGroup + name, value);
}

}  // namespace circumvia::control
