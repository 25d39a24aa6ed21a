#include "dialogs/relabelled_dialog.h"

#include <QDialog>

namespace circumvia::dialogs {

void RelabelOpenDialogs(QWidget& owner) {
    for (QDialog* dialog : owner.findChildren<QDialog*>()) {
        if (auto* relabelled = dynamic_cast<RelabelledDialog*>(dialog)) relabelled->Relabel();
    }
}

}  // namespace circumvia::dialogs
