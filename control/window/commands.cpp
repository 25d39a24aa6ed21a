#include "control/window/commands.h"

#include "control/window/main_form.h"
#include "lang/text_ids.h"

namespace circumvia::control {

namespace {
namespace caption = lang::caption;
using M = MainMenu;
using F = TMainForm;

// A language item: its name in its own words, and the language it chooses.
Command Language(QAction* MainMenu::*item, const char* name, char code, Tick tick) {
    return {.item = item,
            .menu = &M::IdiomalangueLanguageSprache1,
            .fixed_text = name,
            .tick = tick,
            .group = ChoiceGroup::kLanguages,
            .available = Availability::kAlways,
            .handler = [code](F& form) { form.ChooseLanguage(code); }};
}
}  // namespace

const std::vector<MenuTitle>& MenuTitles() {
    static const std::vector<MenuTitle> titles = {
        {&M::FileMenu, caption::kFileMenu, HintOf(caption::kFileMenu)},
        {&M::Edition, caption::kEditMenu, HintOf(caption::kEditMenu)},
        {&M::Configuration1, caption::kOptionsMenu, HintOf(caption::kOptionsMenu)},
        {&M::IdiomalangueLanguageSprache1, kFixedText, kNoHint, "Idioma/langue/Language/Sprache"},
        {&M::HelpMenu, caption::kHelpMenu, HintOf(caption::kHelpMenu)},
    };
    return titles;
}

const std::vector<Command>& Commands() {
    static const std::vector<Command> commands = {
        // File
        {.item = &M::FileNewItem,
         .menu = &M::FileMenu,
         .caption = caption::kNewItem,
         .hint = HintOf(caption::kNewItem),
         .shortcuts = {Qt::CTRL | Qt::Key_N},
         .handler = &F::FileNew},
        {.item = &M::FileOpenItem,
         .menu = &M::FileMenu,
         .caption = caption::kOpenItem,
         .hint = HintOf(caption::kOpenItem),
         .shortcuts = {Qt::CTRL | Qt::Key_O},
         .handler = &F::FileOpen},
        {.item = &M::FileSaveItem,
         .menu = &M::FileMenu,
         .caption = caption::kSaveItem,
         .hint = HintOf(caption::kSaveItem),
         .handler = [](F& form) { form.FileSave(false); }},
        {.item = &M::FileSaveAsItem,
         .menu = &M::FileMenu,
         .caption = caption::kSaveAsItem,
         .hint = HintOf(caption::kSaveAsItem),
         .shortcuts = {Qt::CTRL | Qt::Key_S},
         .handler = [](F& form) { form.FileSave(true); }},
        {.item = &M::FilePrintItem,
         .menu = &M::FileMenu,
         .caption = caption::kPrintItem,
         .hint = HintOf(caption::kPrintItem),
         .shortcuts = {Qt::CTRL | Qt::Key_P},
         .separated = true,
         .handler = &F::FilePrint},
        {.item = &M::FileExitItem,
         .menu = &M::FileMenu,
         .caption = caption::kExitItem,
         .hint = HintOf(caption::kExitItem),
         .shortcuts = {Qt::CTRL | Qt::Key_X},
         .separated = true,
         .available = Availability::kAlways,
         .handler = &F::FileExit},
        // Edit
        {.item = &M::Zoomavant1,
         .menu = &M::Edition,
         .caption = caption::kZoomInItem,
         .hint = HintOf(caption::kZoomInItem),
         .shortcuts = {Qt::CTRL | Qt::ALT | Qt::Key_I},
         .icon = ImageIndex::ZoomIn,
         .icon_in_menu = false,
         .handler = &F::TB_zoomInClick},
        {.item = &M::Zoomarrire1,
         .menu = &M::Edition,
         .caption = caption::kZoomOutItem,
         .hint = HintOf(caption::kZoomOutItem),
         .shortcuts = {Qt::CTRL | Qt::ALT | Qt::Key_O},
         .icon = ImageIndex::ZoomOut,
         .icon_in_menu = false,
         .handler = &F::TB_zoomOutClick},
        {.item = &M::Rotation1,
         .menu = &M::Edition,
         .caption = caption::kRotateItem,
         .hint = HintOf(caption::kRotateItem),
         .shortcuts = {Qt::Key_F3},
         .icon = ImageIndex::Rotate,
         .separated = true,
         .handler = &F::Tr_retourneClick},
        {.item = &M::Inverser1,
         .menu = &M::Edition,
         .caption = caption::kInvertItem,
         .hint = HintOf(caption::kInvertItem),
         .shortcuts = {Qt::Key_F4},
         .handler = &F::Inverser1Click},
        // The ticked view is what the settings remember.
        {.item = &M::Vue3D,
         .menu = &M::Edition,
         .caption = caption::kView3DItem,
         .hint = HintOf(caption::kView3DItem),
         .icon = ImageIndex::View3D,
         .tick = Tick::kOn,
         .group = ChoiceGroup::kViews,
         .separated = true,
         .handler = &F::TB_vue1Click},
        {.item = &M::Vue2D,
         .menu = &M::Edition,
         .caption = caption::kView2DItem,
         .hint = HintOf(caption::kView2DItem),
         .icon = ImageIndex::View2D,
         .tick = Tick::kOff,
         .group = ChoiceGroup::kViews,
         .handler = &F::TB_vue2Click},
        {.item = &M::Rafraichir,
         .menu = &M::Edition,
         .caption = caption::kRefreshItem,
         .hint = HintOf(caption::kRefreshItem),
         .icon = ImageIndex::Refresh,
         .icon_in_menu = false,
         .handler = &F::TB_vue3Click},
        {.item = &M::Coupprcdent1,
         .menu = &M::Edition,
         .caption = caption::kBackItem,
         .hint = HintOf(caption::kBackItem),
         .shortcuts = {Qt::CTRL | Qt::ALT | Qt::Key_P},
         .icon = ImageIndex::PreviousMove,
         .icon_in_menu = false,
         .separated = true,
         .handler = &F::TB_retClick},
        {.item = &M::Coupsuivant1,
         .menu = &M::Edition,
         .caption = caption::kForwardItem,
         .hint = HintOf(caption::kForwardItem),
         .shortcuts = {Qt::CTRL | Qt::ALT | Qt::Key_S},
         .icon = ImageIndex::NextMove,
         .icon_in_menu = false,
         .handler = &F::TB_suivClick},
        {.item = &M::Proposeruncoup1,
         .menu = &M::Edition,
         .caption = caption::kSuggestItem,
         .hint = HintOf(caption::kSuggestItem),
         .separated = true,
         .handler = &F::Proposeruncoup1Click},
        // Options: the ticks are read where they matter.
        {.item = &M::Son1,
         .menu = &M::Configuration1,
         .caption = caption::kSoundItem,
         .hint = HintOf(caption::kSoundItem),
         .shortcuts = {Qt::Key_F10},
         .tick = Tick::kOn},
        {.item = &M::TextureItem,
         .menu = &M::Configuration1,
         .caption = caption::kTexturesItem,
         .hint = HintOf(caption::kTexturesItem),
         .shortcuts = {Qt::Key_F11},
         .tick = Tick::kOn,
         .available = Availability::kAlways,
         .handler = &F::TextureItemClick},
        {.item = &M::Coupsposs,
         .menu = &M::Configuration1,
         .caption = caption::kPossibleMovesItem,
         .hint = HintOf(caption::kPossibleMovesItem),
         .tick = Tick::kOn,
         .separated = true},
        // Languages
        Language(&M::Allemand1, "Deutsch", 'D', Tick::kOff),
        Language(&M::Anglais1, "English", 'A', Tick::kOff),
        Language(&M::Espagnol1, "Español", 'E', Tick::kOff),
        Language(&M::Franais1, "Français", 'F', Tick::kOn),
        // Help
        {.item = &M::HelprulesItem,
         .menu = &M::HelpMenu,
         .caption = caption::kRulesItem,
         .hint = HintOf(caption::kRulesItem),
         .shortcuts = {Qt::Key_F1},
         .handler = &F::HelpSearch},
        {.item = &M::RatingsItem,
         .menu = &M::HelpMenu,
         .caption = caption::kRatingsItem,
         .hint = HintOf(caption::kRatingsItem),
         .handler = &F::ShowRatings},
        {.item = &M::HelpAboutItem,
         .menu = &M::HelpMenu,
         .caption = caption::kAboutItem,
         .handler = &F::HelpAbout},
    };
    return commands;
}

const std::vector<ToolSlot>& ToolBarSlots() {
    static const std::vector<ToolSlot> slots = {
        {.item = &M::Vue3D, .own_button = &M::TB_vue1},
        {.item = &M::Vue2D, .own_button = &M::TB_vue2},
        {.item = &M::Rafraichir},
        {.kind = ToolSlot::kSeparator},
        {.item = &M::Rotation1},
        {.item = &M::Zoomarrire1},
        {.item = &M::Zoomavant1},
        {.kind = ToolSlot::kSeparator},
        {.item = &M::Coupprcdent1},
        {.kind = ToolSlot::kMoveCounter},
        {.item = &M::Coupsuivant1},
    };
    return slots;
}

}  // namespace circumvia::control
