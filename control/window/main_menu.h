#pragma once
// The main window's menus and toolbar, built from the table of commands (commands.h). Each
// command is one QAction shared by its menu item and toolbar button, so both always agree on
// caption, hint and enabled state. Member names follow the window layout.

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <array>

namespace circumvia::control {

struct MainMenu {
    // Menus (their title actions carry caption and hint).
    QMenu* FileMenu = nullptr;
    QMenu* Edition = nullptr;
    QMenu* Configuration1 = nullptr;
    QMenu* IdiomalangueLanguageSprache1 = nullptr;
    QMenu* HelpMenu = nullptr;
    QMenu* VariationsMenu = nullptr;  // in the Edit menu

    QAction* FileNewItem = nullptr;
    QAction* FileOpenItem = nullptr;
    QAction* FileSaveItem = nullptr;
    QAction* FileSaveAsItem = nullptr;
    QAction* FilePrintItem = nullptr;
    QAction* FileExitItem = nullptr;

    QAction* Zoomavant1 = nullptr;   // toolbar TB_zoomIn
    QAction* Zoomarrire1 = nullptr;  // toolbar TB_zoomOut
    QAction* Rotation1 = nullptr;    // toolbar Tr_retourne
    QAction* Inverser1 = nullptr;
    QAction* Vue3D = nullptr;           // toolbar TB_vue1
    QAction* Vue2D = nullptr;           // toolbar TB_vue2
    QAction* Rafraichir = nullptr;      // toolbar TB_vue3
    QAction* Coupprcdent1 = nullptr;    // toolbar TB_ret
    QAction* Coupsuivant1 = nullptr;    // toolbar TB_suiv
    QAction* KeyboardCursor = nullptr;  // walking the board with keys
    QAction* Proposeruncoup1 = nullptr;
    // The review of a game.
    QAction* AnalyseItem = nullptr;
    QAction* NextMistakeItem = nullptr;
    QAction* PreviousMistakeItem = nullptr;
    QAction* ShowLineItem = nullptr;  // steps through a marked move's punishing line
    QAction* BetterLineItem = nullptr;
    QAction* CopyGameTextItem = nullptr;
    QAction* PasteGameItem = nullptr;
    // The tree of lines: walking it, and editing it.
    QAction* NextVariationItem = nullptr;
    QAction* PreviousVariationItem = nullptr;
    QAction* BranchPointItem = nullptr;
    QAction* PromoteItem = nullptr;
    QAction* DeleteVariationItem = nullptr;
    QAction* DeleteAfterItem = nullptr;
    QAction* CommentItem = nullptr;
    QAction* UndoTreeItem = nullptr;

    QAction* Son1 = nullptr;
    QAction* TextureItem = nullptr;
    QAction* Coupsposs = nullptr;
    QAction* Coordinates = nullptr;  // row letters and column digits beside the board
    // Animation speed: as designed, fast, instant (one ticked).
    QMenu* AnimationSpeedMenu = nullptr;
    std::array<QAction*, 3> AnimationSpeedItems{};

    QAction* Allemand1 = nullptr;
    QAction* Anglais1 = nullptr;
    QAction* Espagnol1 = nullptr;
    QAction* Franais1 = nullptr;

    QAction* HelprulesItem = nullptr;
    QAction* HelpAboutItem = nullptr;
    QAction* RatingsItem = nullptr;
    QAction* LearnItem = nullptr;
    QAction* PuzzlesItem = nullptr;

    QToolBar* ToolBar1 = nullptr;
    // The view buttons are plain buttons: only the menu items carry the view's tick.
    QAction* TB_vue1 = nullptr;
    QAction* TB_vue2 = nullptr;
    QLabel* P_num = nullptr;  // the move counter between back and forward

    // The language item for a letter ('F', 'A', 'E', 'D').
    QAction* LanguageItem(char code) const;
};

// Creates menus in `menu_bar` and the toolbar (owned by `window`), with icons from the
// image list resource ":/icons/icon_NN.png".
MainMenu BuildMainMenu(QWidget* window, QMenuBar* menu_bar);

// Sets every caption and hint from the texts numbered base + k; the toolbar buttons share
// their menu item's hint.
void RelabelMainMenu(const MainMenu& menu, int base);

}  // namespace circumvia::control
