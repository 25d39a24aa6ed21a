#include "dialogs/class_marks.h"

namespace circumvia::dialogs {

QString ClassSymbol(MoveClass move_class) {
    switch (move_class) {
        case MoveClass::kInaccuracy:
            return QStringLiteral("?!");
        case MoveClass::kMistake:
            return QStringLiteral("?");
        case MoveClass::kBlunder:
            return QStringLiteral("??");
        case MoveClass::kMissedWin:
            return QStringLiteral("#?");
        default:
            return {};
    }
}

QColor ClassColour(MoveClass move_class) {
    switch (move_class) {
        case MoveClass::kInaccuracy:
            return {0xC0, 0x90, 0x00};  // amber
        case MoveClass::kMistake:
            return {0xE0, 0x60, 0x00};  // orange
        case MoveClass::kBlunder:
            return {0xD0, 0x00, 0x00};  // red
        case MoveClass::kMissedWin:
            return {0x90, 0x00, 0xC0};  // purple: the last piece left standing
        default:
            return {0x30, 0x90, 0x30};  // green
    }
}

}  // namespace circumvia::dialogs
