#include "control/settings/player_settings.h"

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
    settings.Write(NameKey(side), QString::fromStdString(player.Name));
    settings.Write(KindKey(side), QString::number(player.Kind));
}

int StoredKind(const SettingsStore& settings, Side side, int fallback) {
    bool number = false;
    const int kind = settings.Read(KindKey(side), {}).toInt(&number);
    return number && IsPlayerKind(kind) ? kind : fallback;
}

}  // namespace circumvia::control
