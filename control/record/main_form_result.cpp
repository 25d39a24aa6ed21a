// The end of a game, said where the player looks: a message over the board naming the
// winner and the score, which leaves the window free (the status line keeps the result).
#include <QMessageBox>

#include "control/turns/turn_loop.h"
#include "control/window/main_form.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "scene/gl/scene_viewer.h"

namespace circumvia::control {

void TMainForm::AnnounceResult() {
    CloseResultMessage();
    auto* message = new QMessageBox(QMessageBox::Information, {}, {}, QMessageBox::Ok, this);
    result_message_ = message;
    RelabelResultMessage();
    message->setAttribute(Qt::WA_DeleteOnClose);
    message->setWindowModality(Qt::NonModal);
    message->adjustSize();
    const QPoint board_centre = Viewer_->mapToGlobal(Viewer_->rect().center());
    message->move(board_centre - QPoint(message->width() / 2, message->height() / 2));
    message->show();
}

void TMainForm::RelabelResultMessage() {
    auto* message = qobject_cast<QMessageBox*>(result_message_.data());
    if (message == nullptr) return;
    message->setWindowTitle(QString::fromStdString(lang::LoadText(lang::message::kGameOverTitle)));
    message->setText(QString::fromStdString(ResultText(game_)));
    // A rated game's new rating, read with the result by screen readers as the box opens.
    message->setInformativeText(QString::fromStdString(rated_.ResultNote()));
}

void TMainForm::CloseResultMessage() {
    if (result_message_) result_message_->close();
}

}  // namespace circumvia::control
