#pragma once
// The commands for playing by keys, beside the designed ones and in one place: the keyboard
// cursor (Edit menu) and the coordinates (Parameters menu), both ticked items, and the keys
// people try first added to designed commands (Ctrl+Q quits, Ctrl+Z and Ctrl+Shift+Z step
// back and forward; the designed keys stay).

#include <QAction>

#include "control/window/main_menu.h"

namespace circumvia::control {

struct AccessCommands {
    QAction* KeyboardCursor = nullptr;
    QAction* Coordinates = nullptr;
};

AccessCommands AddAccessCommands(const MainMenu& menu);
// Captions and hints from the captions numbered base + k.
void RelabelAccessCommands(const AccessCommands& commands, int base);

}  // namespace circumvia::control
