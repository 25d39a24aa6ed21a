#pragma once
// The names the program is known by to the settings store ("Vantor"/"Circumvia") and the
// window system. Set once, before any QSettings is made; the store then uses the default
// QSettings.

namespace circumvia::control {

void SetApplicationIdentity();

}  // namespace circumvia::control
