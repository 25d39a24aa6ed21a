#pragma once
// Each side's name and kind as the last game set up left them, kept in the settings store
// (the names under their designed value names, the kinds beside them) for the next set-up.

#include "control/settings/settings_store.h"
#include "model/tjeu.h"

namespace circumvia::control {

void StorePlayer(SettingsStore& settings, Side side, const Player& player);
// The kind stored for the side, or `fallback` when none is stored or it is not a kind.
int StoredKind(const SettingsStore& settings, Side side, int fallback);

}  // namespace circumvia::control
