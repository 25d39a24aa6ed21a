#pragma once
// The main window's commands, each declared once: the action it is in MainMenu, the menu it
// hangs in, its caption and hint numbers, shortcuts, icon, tick and handler. The menus, the
// toolbar, the relabelling on a language change and the connections are all built from
// these tables, so a new command is one row of Commands().

#include <QKeySequence>
#include <QList>
#include <functional>
#include <optional>
#include <vector>

#include "control/window/image_list.h"
#include "control/window/main_menu.h"

namespace circumvia::control {

class TMainForm;

// Caption for a text that no language change touches (each language named in its own words).
inline constexpr int kFixedText = -1;
inline constexpr int kNoHint = -1;

// Hints follow their caption in the numbered texts.
constexpr int HintOf(int caption) {
    return caption + 1;
}

enum class Tick { kNone, kOn, kOff };
// Ticked commands of one group exclude each other.
enum class ChoiceGroup { kNone, kViews, kLanguages };
// Most commands wait until the window is ready (the first tick has set up the game) and
// stop once it closes; settings and leaving work at any time.
enum class Availability { kWhenReady, kAlways };

struct MenuTitle {
    QMenu* MainMenu::*menu = nullptr;
    int caption = kFixedText;  // offset from the language's caption base
    int hint = kNoHint;
    const char* fixed_text = nullptr;  // the title when caption is kFixedText
    // A submenu of this menu, placed where its first command falls; null: in the menu bar.
    QMenu* MainMenu::*within = nullptr;
};

struct Command {
    QAction* MainMenu::*item = nullptr;
    QMenu* MainMenu::*menu = nullptr;
    int caption = kFixedText;  // offset from the language's caption base
    int hint = kNoHint;        // shown as tooltip and in the status bar
    const char* fixed_text = nullptr;
    QList<QKeySequence> shortcuts = {};  // the first is the one the menu shows
    std::optional<ImageIndex> icon = {};
    bool icon_in_menu = true;  // false: the icon belongs to its toolbar button only
    Tick tick = Tick::kNone;   // a checkable command and its first state
    ChoiceGroup group = ChoiceGroup::kNone;
    bool separated = false;  // a separator above it in its menu
    Availability available = Availability::kWhenReady;
    // Runs on a click of the item or its button, after the action has flipped its tick;
    // empty when the tick is the whole state (read where it matters).
    std::function<void(TMainForm&)> handler = {};
};

// The toolbar from left to right: a command's action, a separator, or the move counter. A
// ticked command gets its own plain button (own_button), so the button does not show the
// tick as a pressed state.
struct ToolSlot {
    enum Kind { kCommand, kSeparator, kMoveCounter };
    Kind kind = kCommand;
    QAction* MainMenu::*item = nullptr;
    QAction* MainMenu::*own_button = nullptr;
};

// The menu bar from left to right, then the submenus.
const std::vector<MenuTitle>& MenuTitles();
// Every command, in menu order within each menu.
const std::vector<Command>& Commands();
const std::vector<ToolSlot>& ToolBarSlots();

}  // namespace circumvia::control
