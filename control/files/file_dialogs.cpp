#include "control/files/file_dialogs.h"
#include "dialogs/display_text.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include "control/files/game_file_names.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

namespace {

const QString kTitle = QStringLiteral("Circumvia");

QString ChooseName(QWidget* parent, const QStringList& filters, QFileDialog::AcceptMode mode) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    // The window asks its own question before writing over a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setDirectory(QDir::currentPath());
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QString::fromLatin1(kGameFileExtension));
    // A bare name saved under the text record's filter becomes a text record.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filter) { dialog.setDefaultSuffix(DefaultSuffixFor(filter)); });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().front();
}

QMessageBox::StandardButton Show(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                 const QString& detail, QMessageBox::StandardButtons buttons) {
    QMessageBox box(icon, kTitle, text, buttons, parent);
    box.setInformativeText(detail);
    dialogs::ShowAsPlainText(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString CaptionText(int k) {
    return QString::fromStdString(lang::Caption(lang::CaptionBase() + k));
}

bool Confirm(QWidget* parent, const QString& question, const QString& detail) {
    QMessageBox box(QMessageBox::Question, kTitle, question, QMessageBox::NoButton, parent);
    box.setInformativeText(detail);
    dialogs::ShowAsPlainText(box);
    // Worded in the program's language, as the set-up's own buttons are.
    QPushButton* ok =
        box.addButton(CaptionText(lang::caption::kSetupConfirm), QMessageBox::AcceptRole);
    QPushButton* cancel =
        box.addButton(CaptionText(lang::caption::kAnswerCancel), QMessageBox::RejectRole);
    box.setDefaultButton(cancel);
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == ok;
}

SaveAnswer AskSave(QWidget* parent, const QString& question) {
    QMessageBox box(QMessageBox::Question, kTitle, question, QMessageBox::NoButton, parent);
    dialogs::ShowAsPlainText(box);
    QPushButton* save =
        box.addButton(CaptionText(lang::caption::kAnswerSave), QMessageBox::AcceptRole);
    QPushButton* discard =
        box.addButton(CaptionText(lang::caption::kAnswerDiscard), QMessageBox::DestructiveRole);
    QPushButton* cancel =
        box.addButton(CaptionText(lang::caption::kAnswerCancel), QMessageBox::RejectRole);
    box.setDefaultButton(save);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == save) return SaveAnswer::kSave;
    if (box.clickedButton() == discard) return SaveAnswer::kDiscard;
    return SaveAnswer::kCancel;
}

}  // namespace

FileDialogs PlatformFileDialogs() {
    return {
        .choose_open_name =
            [](QWidget* parent, const QStringList& filters) {
                return ChooseName(parent, filters, QFileDialog::AcceptOpen);
            },
        .choose_save_name =
            [](QWidget* parent, const QStringList& filters) {
                return ChooseName(parent, filters, QFileDialog::AcceptSave);
            },
        .ask =
            [](QWidget* parent, const QString& question, const QString& detail) {
                return Show(parent, QMessageBox::Question, question, detail,
                            QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
            },
        .tell =
            [](QWidget* parent, const QString& text, const QString& detail) {
                Show(parent, QMessageBox::Warning, text, detail, QMessageBox::Ok);
            },
        .ask_save = AskSave,
        .confirm = Confirm,
    };
}

}  // namespace circumvia::control
