#pragma once
// What the file commands ask of the user: a name to open or to save under, a Yes/No
// question and a message. The window calls these function objects; the platform's
// dialogs serve users, and tests supply the answers instead.

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

namespace circumvia::control {

// The answers to the question asked before a game with unsaved moves is dropped.
enum class SaveAnswer { kSave, kDiscard, kCancel };

struct FileDialogs {
    // The chosen file name, or an empty text when the user cancelled. The dialogs start in
    // the current working directory and add ".Cva" to a name typed without extension.
    std::function<QString(QWidget* parent, const QStringList& filters)> choose_open_name;
    std::function<QString(QWidget* parent, const QStringList& filters)> choose_save_name;
    // A Yes/No question; true only for Yes. `detail` says what it is about (a file name).
    std::function<bool(QWidget* parent, const QString& question, const QString& detail)> ask;
    // A message box with an OK button; `detail` is shown under the text.
    std::function<void(QWidget* parent, const QString& text, const QString& detail)> tell;
    // "Save the game?" with Save, Discard and Cancel (also Escape and closing the box).
    std::function<SaveAnswer(QWidget* parent, const QString& question)> ask_save;
    // An OK/Cancel question whose default is Cancel; true only for OK.
    std::function<bool(QWidget* parent, const QString& question, const QString& detail)> confirm;
};

// Qt's file dialogs and message boxes.
FileDialogs PlatformFileDialogs();

}  // namespace circumvia::control
