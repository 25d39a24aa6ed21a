#include "control/window/main_menu.h"

#include <QFontMetrics>
#include <algorithm>
#include <map>

#include "control/window/commands.h"
#include "control/window/image_list.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

namespace {

QString Text(int number) {
    return QString::fromStdString(lang::Caption(number));
}

QAction* AddCommand(MainMenu& m, const Command& command,
                    std::map<ChoiceGroup, QActionGroup*>& groups) {
    QMenu*& menu = m.*command.menu;
    if (menu == nullptr) {
        // A submenu's first command: the submenu takes its place in its menu.
        const auto title = std::find_if(MenuTitles().begin(), MenuTitles().end(),
                                        [&](const MenuTitle& t) { return t.menu == command.menu; });
        QMenu* within = m.*(title->within);
        if (command.separated) within->addSeparator();
        menu = within->addMenu(QString());
    } else if (command.separated) {
        menu->addSeparator();
    }
    QAction* action =
        menu->addAction(command.fixed_text ? QString::fromUtf8(command.fixed_text) : QString());
    action->setShortcuts(command.shortcuts);
    if (command.icon) {
        action->setIcon(QIcon(ImageListIcon(*command.icon)));
        if (!command.icon_in_menu) action->setIconVisibleInMenu(false);
    }
    if (command.tick != Tick::kNone) {
        action->setCheckable(true);
        action->setChecked(command.tick == Tick::kOn);
    }
    if (command.group != ChoiceGroup::kNone) {
        QActionGroup*& group = groups[command.group];
        if (!group) group = new QActionGroup(menu);
        group->addAction(action);
    }
    return action;
}

// As designed, fast, instant; one ticked.
void AddAnimationSpeeds(MainMenu& m) {
    m.Configuration1->addSeparator();
    m.AnimationSpeedMenu = m.Configuration1->addMenu(QString());
    auto* speeds = new QActionGroup(m.AnimationSpeedMenu);
    for (QAction*& item : m.AnimationSpeedItems) {
        item = m.AnimationSpeedMenu->addAction(QString());
        item->setCheckable(true);
        speeds->addAction(item);
    }
    m.AnimationSpeedItems[0]->setChecked(true);
}

void Label(QAction* action, int base, int caption, int hint) {
    if (caption == kFixedText) return;
    action->setText(Text(base + caption));
    if (hint == kNoHint) return;
    // A shared action: its toolbar button shows the same hint as the menu item.
    action->setToolTip(Text(base + hint));
    action->setStatusTip(Text(base + hint));
}

void AddMoveCounter(MainMenu& m) {
    m.P_num = new QLabel(QStringLiteral("0/0"), m.ToolBar1);
    m.P_num->setObjectName(QStringLiteral("P_num"));
    m.P_num->setAlignment(Qt::AlignCenter);
    m.P_num->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m.P_num->setStyleSheet(QStringLiteral("QLabel { color: navy; font-weight: bold; }"));
    // Wide enough for "104/104" in its bold font; a longer game widens it.
    QFont bold = m.P_num->font();
    bold.setBold(true);
    const int text_width = QFontMetrics(bold).horizontalAdvance(QStringLiteral("000/000"));
    m.P_num->setFixedHeight(22);
    m.P_num->setMinimumWidth(std::max(45, text_width + 2 * m.P_num->frameWidth() + 8));
    m.ToolBar1->addWidget(m.P_num);
}

void AddToolButton(MainMenu& m, const ToolSlot& slot) {
    QAction* item = m.*slot.item;
    if (!slot.own_button) {
        m.ToolBar1->addAction(item);
        return;
    }
    QAction* button = m.ToolBar1->addAction(item->icon(), QString());
    QObject::connect(button, &QAction::triggered, item, &QAction::trigger);
    m.*slot.own_button = button;
}

void BuildToolBar(MainMenu& m, QWidget* window) {
    m.ToolBar1 = new QToolBar(window);
    m.ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    m.ToolBar1->setMovable(false);
    m.ToolBar1->setFloatable(false);
    m.ToolBar1->setIconSize(QSize(20, 20));
    for (const ToolSlot& slot : ToolBarSlots()) {
        switch (slot.kind) {
            case ToolSlot::kSeparator:
                m.ToolBar1->addSeparator();
                break;
            case ToolSlot::kMoveCounter:
                AddMoveCounter(m);
                break;
            case ToolSlot::kCommand:
                AddToolButton(m, slot);
                break;
        }
    }
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
    for (const MenuTitle& title : MenuTitles()) {
        if (title.within) continue;  // made where its first command falls
        menu.*title.menu =
            menu_bar->addMenu(title.fixed_text ? QString::fromUtf8(title.fixed_text) : QString());
    }
    std::map<ChoiceGroup, QActionGroup*> groups;
    for (const Command& command : Commands())
        menu.*command.item = AddCommand(menu, command, groups);
    AddAnimationSpeeds(menu);
    BuildToolBar(menu, window);
    RelabelMainMenu(menu, 1000);  // the window is designed with its French texts
    return menu;
}

void RelabelMainMenu(const MainMenu& menu, int base) {
    for (const MenuTitle& title : MenuTitles()) {
        Label((menu.*title.menu)->menuAction(), base, title.caption, title.hint);
    }
    for (const Command& command : Commands()) {
        Label(menu.*command.item, base, command.caption, command.hint);
    }
    for (const ToolSlot& slot : ToolBarSlots()) {
        if (!slot.own_button) continue;
        QAction* button = menu.*slot.own_button;
        const QAction* item = menu.*slot.item;
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
