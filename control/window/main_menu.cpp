#include "control/window/main_menu.h"

#include <QStyle>

#include "control/window/image_list.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

namespace {

QString Text(int number) {
    return QString::fromStdString(lang::Caption(number));
}

QAction* AddItem(QMenu* menu, QKeySequence shortcut = {}) {
    QAction* action = menu->addAction(QString());
    action->setShortcut(shortcut);
    return action;
}

QAction* AddItem(QMenu* menu, QKeySequence shortcut, ImageIndex icon) {
    QAction* action = AddItem(menu, shortcut);
    action->setIcon(QIcon(ImageListIcon(icon)));
    return action;
}

// A command whose icon belongs to its toolbar button only.
QAction* AddToolbarIconItem(QMenu* menu, QKeySequence shortcut, ImageIndex icon) {
    QAction* action = AddItem(menu, shortcut, icon);
    action->setIconVisibleInMenu(false);
    return action;
}

QAction* AddTick(QMenu* menu, QKeySequence shortcut, bool ticked) {
    QAction* action = AddItem(menu, shortcut);
    action->setCheckable(true);
    action->setChecked(ticked);
    return action;
}

// Caption offset 2i and hint offset 2i + 1 of the relabelled items, in this order.
using ItemOf = QAction* (*)(const MainMenu&);
const ItemOf kRelabelledItems[] = {
    [](const MainMenu& m) { return m.FileMenu->menuAction(); },
    [](const MainMenu& m) { return m.FileNewItem; },
    [](const MainMenu& m) { return m.FileOpenItem; },
    [](const MainMenu& m) { return m.FileSaveItem; },
    [](const MainMenu& m) { return m.FileSaveAsItem; },
    [](const MainMenu& m) { return m.FilePrintItem; },
    [](const MainMenu& m) { return m.FileExitItem; },
    [](const MainMenu& m) { return m.Edition->menuAction(); },
    [](const MainMenu& m) { return m.Zoomavant1; },
    [](const MainMenu& m) { return m.Zoomarrire1; },
    [](const MainMenu& m) { return m.Rotation1; },
    [](const MainMenu& m) { return m.Inverser1; },
    [](const MainMenu& m) { return m.Coupprcdent1; },
    [](const MainMenu& m) { return m.Coupsuivant1; },
    [](const MainMenu& m) { return m.Proposeruncoup1; },
    [](const MainMenu& m) { return m.Vue3D; },
    [](const MainMenu& m) { return m.Vue2D; },
    [](const MainMenu& m) { return m.Rafraichir; },
    [](const MainMenu& m) { return m.Configuration1->menuAction(); },
    [](const MainMenu& m) { return m.Son1; },
    [](const MainMenu& m) { return m.TextureItem; },
    [](const MainMenu& m) { return m.Coupsposs; },
    [](const MainMenu& m) { return m.HelpMenu->menuAction(); },
    [](const MainMenu& m) { return m.HelprulesItem; },
};

void BuildFileMenu(MainMenu& m, QMenuBar* bar) {
    m.FileMenu = bar->addMenu(QString());
    m.FileNewItem = AddItem(m.FileMenu, QKeySequence(Qt::CTRL | Qt::Key_N));
    m.FileOpenItem = AddItem(m.FileMenu, QKeySequence(Qt::CTRL | Qt::Key_O));
    m.FileSaveItem = AddItem(m.FileMenu);
    m.FileSaveAsItem = AddItem(m.FileMenu, QKeySequence(Qt::CTRL | Qt::Key_S));
    m.FileMenu->addSeparator();
    m.FilePrintItem = AddItem(m.FileMenu, QKeySequence(Qt::CTRL | Qt::Key_P));
    m.FileMenu->addSeparator();
    m.FileExitItem = AddItem(m.FileMenu, QKeySequence(Qt::CTRL | Qt::Key_X));
}

void BuildEditMenu(MainMenu& m, QMenuBar* bar) {
    m.Edition = bar->addMenu(QString());
    m.Zoomavant1 = AddToolbarIconItem(m.Edition, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_I),
                                      ImageIndex::ZoomIn);
    m.Zoomarrire1 = AddToolbarIconItem(m.Edition, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_O),
                                       ImageIndex::ZoomOut);
    m.Edition->addSeparator();
    m.Rotation1 = AddItem(m.Edition, QKeySequence(Qt::Key_F3), ImageIndex::Rotate);
    m.Inverser1 = AddItem(m.Edition, QKeySequence(Qt::Key_F4));
    m.Edition->addSeparator();
    m.Vue3D = AddItem(m.Edition, {}, ImageIndex::View3D);
    m.Vue2D = AddItem(m.Edition, {}, ImageIndex::View2D);
    m.Rafraichir = AddToolbarIconItem(m.Edition, {}, ImageIndex::Refresh);
    // The ticked view item is what the settings remember.
    for (QAction* view : {m.Vue3D, m.Vue2D}) view->setCheckable(true);
    auto* views = new QActionGroup(m.Edition);
    views->addAction(m.Vue3D);
    views->addAction(m.Vue2D);
    m.Vue3D->setChecked(true);
    m.Edition->addSeparator();
    m.Coupprcdent1 = AddToolbarIconItem(m.Edition, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_P),
                                        ImageIndex::PreviousMove);
    m.Coupsuivant1 = AddToolbarIconItem(m.Edition, QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_S),
                                        ImageIndex::NextMove);
    m.Edition->addSeparator();
    m.Proposeruncoup1 = AddItem(m.Edition);
}

void BuildConfigurationMenu(MainMenu& m, QMenuBar* bar) {
    m.Configuration1 = bar->addMenu(QString());
    m.Son1 = AddTick(m.Configuration1, QKeySequence(Qt::Key_F10), true);
    m.TextureItem = AddTick(m.Configuration1, QKeySequence(Qt::Key_F11), true);
    m.Configuration1->addSeparator();
    m.Coupsposs = AddTick(m.Configuration1, {}, true);
    m.Configuration1->addSeparator();
    m.AnimationSpeedMenu = m.Configuration1->addMenu(QString());
    auto* speeds = new QActionGroup(m.AnimationSpeedMenu);
    for (QAction*& item : m.AnimationSpeedItems) {
        item = AddTick(m.AnimationSpeedMenu, {}, false);
        speeds->addAction(item);
    }
    m.AnimationSpeedItems[0]->setChecked(true);
}

void BuildLanguageMenu(MainMenu& m, QMenuBar* bar) {
    // Never relabelled: each language is named in its own words.
    m.IdiomalangueLanguageSprache1 = bar->addMenu(QStringLiteral("Idioma/langue/Language/Sprache"));
    auto* group = new QActionGroup(m.IdiomalangueLanguageSprache1);
    const auto add = [&](const char* caption) {
        QAction* item = m.IdiomalangueLanguageSprache1->addAction(QString::fromUtf8(caption));
        item->setCheckable(true);
        group->addAction(item);
        return item;
    };
    m.Allemand1 = add("Deutsch");
    m.Anglais1 = add("English");
    m.Espagnol1 = add("Español");
    m.Franais1 = add("Français");
    m.Franais1->setChecked(true);
}

void BuildHelpMenu(MainMenu& m, QMenuBar* bar) {
    m.HelpMenu = bar->addMenu(QString());
    m.HelprulesItem = AddItem(m.HelpMenu, QKeySequence(Qt::Key_F1));
    m.HelpAboutItem = AddItem(m.HelpMenu);
}

void BuildToolBar(MainMenu& m, QWidget* window) {
    m.ToolBar1 = new QToolBar(window);
    m.ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    m.ToolBar1->setMovable(false);
    m.ToolBar1->setFloatable(false);
    m.ToolBar1->setIconSize(QSize(20, 20));
    // Own actions for the view buttons, so that they do not show the menu items' tick as a
    // pressed state.
    m.TB_vue1 = m.ToolBar1->addAction(m.Vue3D->icon(), QString());
    m.TB_vue2 = m.ToolBar1->addAction(m.Vue2D->icon(), QString());
    QObject::connect(m.TB_vue1, &QAction::triggered, m.Vue3D, &QAction::trigger);
    QObject::connect(m.TB_vue2, &QAction::triggered, m.Vue2D, &QAction::trigger);
    m.ToolBar1->addAction(m.Rafraichir);
    m.ToolBar1->addSeparator();
    m.ToolBar1->addAction(m.Rotation1);
    m.ToolBar1->addAction(m.Zoomarrire1);
    m.ToolBar1->addAction(m.Zoomavant1);
    m.ToolBar1->addSeparator();
    m.ToolBar1->addAction(m.Coupprcdent1);
    m.P_num = new QLabel(QStringLiteral("0/0"), m.ToolBar1);
    m.P_num->setObjectName(QStringLiteral("P_num"));
    m.P_num->setFixedSize(45, 22);
    m.P_num->setAlignment(Qt::AlignCenter);
    m.P_num->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m.P_num->setStyleSheet(QStringLiteral("QLabel { color: navy; font-weight: bold; }"));
    m.ToolBar1->addWidget(m.P_num);
    m.ToolBar1->addAction(m.Coupsuivant1);
}

}  // namespace

QAction* MainMenu::LanguageItem(char code) const {
    switch (code) {
        case 'A':
            return Anglais1;
        case 'E':
            return Espagnol1;
        case 'D':
            return Allemand1;
        default:
            return Franais1;
    }
}

MainMenu BuildMainMenu(QWidget* window, QMenuBar* menu_bar) {
    MainMenu menu;
    BuildFileMenu(menu, menu_bar);
    BuildEditMenu(menu, menu_bar);
    BuildConfigurationMenu(menu, menu_bar);
    BuildLanguageMenu(menu, menu_bar);
    BuildHelpMenu(menu, menu_bar);
    BuildToolBar(menu, window);
    RelabelMainMenu(menu, 1000);  // the window is designed with its French texts
    return menu;
}

void RelabelMainMenu(const MainMenu& menu, int base) {
    static_assert(std::size(kRelabelledItems) == lang::caption::kMainMenuItems);
    int k = lang::caption::kMainMenuFirst;
    for (ItemOf item : kRelabelledItems) {
        QAction* action = item(menu);
        action->setText(Text(base + k));
        // A shared action: its toolbar button shows the same hint as the menu item.
        action->setToolTip(Text(base + k + 1));
        action->setStatusTip(Text(base + k + 1));
        k += 2;
    }
    menu.HelpAboutItem->setText(Text(base + lang::caption::kAboutItem));
    for (auto [button, item] : {std::pair{menu.TB_vue1, menu.Vue3D}, {menu.TB_vue2, menu.Vue2D}}) {
        button->setText(item->text());
        button->setToolTip(item->toolTip());
        button->setStatusTip(item->statusTip());
    }
    menu.AnimationSpeedMenu->setTitle(Text(base + lang::caption::kAnimationSpeed));
    menu.AnimationSpeedMenu->menuAction()->setStatusTip(
        Text(base + lang::caption::kAnimationSpeedHint));
    for (int i = 0; i < lang::caption::kAnimationSpeeds; ++i) {
        menu.AnimationSpeedItems[static_cast<std::size_t>(i)]->setText(
            Text(base + lang::caption::kAnimationSpeedFirst + i));
    }
}

}  // namespace circumvia::control
