#include "control/settings/player_settings.h"

#include <QList>

#include "dialogs/display_text.h"

namespace circumvia::control {

namespace {

const QString& NameKey(Side side) {
    return side == kWhite ? SettingsStore::kWhiteName : SettingsStore::kRedName;
}

const QString& KindKey(Side side) {
    return side == kWhite ? SettingsStore::kWhiteKind : SettingsStore::kRedKind;
}

}  // namespace

void StorePlayer(SettingsStore& settings, Side side, const Player& player) {
    // A name too long to be shown whole (one from a file) is used for that game only.
    const QString name = QString::fromStdString(player.Name);
    if (name.toUcs4().size() <= dialogs::kLongestShownName) settings.Write(NameKey(side), name);
    settings.Write(KindKey(side), QString::number(player.Kind));
}

int StoredKind(const SettingsStore& settings, Side side, int fallback) {
    bool number = false;
    const int kind = settings.Read(KindKey(side), {}).toInt(&number);
    return number && IsPlayerKind(kind) ? kind : fallback;
}

}  // namespace circumvia::control
