#include "dialogs/relabelled_dialog.h"

#include <QWidget>

namespace circumvia::dialogs {

void RelabelOpenDialogs(QWidget& owner) {
    // Windows that are not dialogs (the rules) follow the language as well.
    for (QWidget* window : owner.findChildren<QWidget*>()) {
        if (auto* relabelled = dynamic_cast<RelabelledDialog*>(window)) relabelled->Relabel();
    }
}

}  // namespace circumvia::dialogs
