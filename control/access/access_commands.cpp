#include "control/access/access_commands.h"

#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

namespace {

// The action that follows `action` in its menu, or null at the end.
QAction* ActionAfter(const QMenu* menu, const QAction* action) {
    const QList<QAction*> actions = menu->actions();
    const qsizetype at = actions.indexOf(action);
    return at >= 0 && at + 1 < actions.size() ? actions[at + 1] : nullptr;
}

QAction* AddTickedItem(QMenu* menu, QAction* before) {
    auto* item = new QAction(menu);
    item->setCheckable(true);
    menu->insertAction(before, item);
    return item;
}

void AddShortcut(QAction* action, const QKeySequence& conventional) {
    QList<QKeySequence> keys = action->shortcuts();
    keys << conventional;
    action->setShortcuts(keys);
}

void Label(QAction* action, int base, int caption, int hint) {
    action->setText(QString::fromStdString(lang::Caption(base + caption)));
    action->setStatusTip(QString::fromStdString(lang::Caption(base + hint)));
    action->setToolTip(action->statusTip());
}

}  // namespace

AccessCommands AddAccessCommands(const MainMenu& menu) {
    AccessCommands commands;
    // After the record's steps, before the move suggestion's separator.
    commands.KeyboardCursor = AddTickedItem(menu.Edition, menu.Proposeruncoup1);
    // Beside the other option of the board, the possible moves.
    commands.Coordinates =
        AddTickedItem(menu.Configuration1, ActionAfter(menu.Configuration1, menu.Coupsposs));
    AddShortcut(menu.FileExitItem, QKeySequence(Qt::CTRL | Qt::Key_Q));
    AddShortcut(menu.Coupprcdent1, QKeySequence(Qt::CTRL | Qt::Key_Z));
    AddShortcut(menu.Coupsuivant1, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    return commands;
}

void RelabelAccessCommands(const AccessCommands& commands, int base) {
    Label(commands.KeyboardCursor, base, lang::caption::kKeyboardCursor,
          lang::caption::kKeyboardCursorHint);
    Label(commands.Coordinates, base, lang::caption::kCoordinates, lang::caption::kCoordinatesHint);
}

}  // namespace circumvia::control
