// The file commands: open and save games through the dialogs, a game named on the command
// line, and a game file dropped on the window.
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <system_error>

#include "control/files/game_file_names.h"
#include "control/window/main_form.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/game_file.h"

namespace circumvia::control {

namespace fs = std::filesystem;

namespace {

// Asked before writing over a file chosen in the save dialog.
const QString kOverwriteQuestion = QStringLiteral("Ecraser");

QString Message(int number) {
    return QString::fromStdString(lang::LoadText(number));
}

bool Exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error);
}

// The first local game file among dropped or dragged things, else an empty text.
QString DroppedGameFile(const QMimeData* data) {
    if (!data || !data->hasUrls()) return {};
    for (const QUrl& url : data->urls()) {
        const QString name = url.toLocalFile();
        if (name.endsWith(u'.' + QString::fromLatin1(kGameFileExtension), Qt::CaseInsensitive)) {
            return name;
        }
    }
    return {};
}

}  // namespace

void TMainForm::FileOpen() {
    if (!rated_.MayLeave() || !MayDropGame()) return;
    const BusyScope busy(turn_);
    const QString chosen = file_dialogs_.choose_open_name(
        this, DialogFilters(lang::LoadText(lang::message::kGameFileFilter)));
    if (!chosen.isEmpty()) OpenChosenFile(chosen);
    ShowPossibleMoves(0);
    RefreshPieces();
    UpdateNavigation();
}

bool TMainForm::OpenChosenFile(const QString& chosen) {
    const fs::path path = GamePathFromChoice(chosen);
    if (!Exists(path)) return false;  // nothing to open: the game goes on untouched
    return OpenGameFile(path);
}

bool TMainForm::OpenGameFile(const fs::path& path) {
    // A selection made on the old board means nothing on the new one.
    if (turn_.State() == LoopState::HumanTurn && turn_.Phase() == kPieceSelected) {
        DropSelection();
    }
    HighlightPiece(nullptr);
    AbandonComputerSearch();  // it searched the old game; the loop starts one on the new
    rated_.Leave();
    LeaveTraining();
    const bool loaded = LoadGameFile(game_, path) == LoadOutcome::kLoaded;
    unsaved_moves_ = false;  // the game on the board is the file's (or, unreadable, none)
    // The old game is gone either way, so the caption no longer names its file.
    ShowFileCaption();
    // The board, panels and status line behind the message already show what was read.
    loop_.ShowOpenedGame();
    RefreshPieces();
    UpdateNavigation();
    if (!loaded) file_dialogs_.tell(this, Message(lang::message::kUnreadableFile), ShownPath(path));
    return loaded;
}

bool TMainForm::FileSave(bool save_as) {
    const BusyScope busy(turn_);
    fs::path target;
    if (const fs::path own = game_.FileName; !save_as && game_.FileName != kNoName && Exists(own)) {
        target = own;  // the game's own file, written over without a question
    } else {
        const QString chosen = file_dialogs_.choose_save_name(
            this, DialogFilters(lang::LoadText(lang::message::kSaveFileFilter)));
        if (chosen.isEmpty()) return false;
        target = GamePathFromChoice(chosen);
        if (Exists(target) && !file_dialogs_.ask(this, kOverwriteQuestion, ShownPath(target))) {
            return false;
        }
    }
    // Whatever filter was chosen, the content is the game format.
    const WriteResult written = SaveGameFile(game_, target);
    if (written) {
        unsaved_moves_ = false;
        ShowFileCaption();
    } else {
        // The old file, the game's file name and the caption stay as they were.
        const std::string reason = written.error.message();
        file_dialogs_.tell(this,
                           QString::fromStdString(lang::FormatText(
                               lang::LoadText(lang::message::kSaveFailed), {reason})),
                           ShownPath(target));
    }
    RefreshPieces();
    UpdateNavigation();
    return static_cast<bool>(written);
}

void TMainForm::OpenAtStart(const QString& name) {
    start_file_ = name;
}

void TMainForm::OpenStartFile() {
    if (!start_file_) return;
    const fs::path path = FullPathOf(*start_file_);
    start_file_.reset();
    const BusyScope busy(turn_);
    if (!Exists(path)) {
        file_dialogs_.tell(this, Message(lang::message::kUnreadableFile), ShownPath(path));
    } else if (!OpenGameFile(path)) {
        game_.ResetGame();  // a damaged file gives way to a new game
        ShowFileCaption();
        loop_.ShowOpenedGame();
    }
    RefreshPieces();
    UpdateNavigation();
}

void TMainForm::ShowFileCaption() {
    SetCaption(FileCaption(game_.FileName));
}

void TMainForm::SetCaption(const QString& caption) {
    caption_ = caption;
    // A "[*]" of the file's own name is doubled, which the title shows as it is; the
    // placeholder is added only while there is something to mark, so the caption reads
    // the same as before whenever the game is saved.
    const QString placeholder = QStringLiteral("[*]");
    QString title = caption;
    title.replace(placeholder, placeholder + placeholder);
    setWindowTitle(unsaved_moves_ ? title + placeholder : title);
    setWindowModified(unsaved_moves_);
}

void TMainForm::MarkUnsavedMoves(bool unsaved) {
    if (unsaved == unsaved_moves_) return;
    unsaved_moves_ = unsaved;
    SetCaption(caption_);
}

bool TMainForm::MayDropGame() {
    if (!unsaved_moves_) return true;
    SaveAnswer answer = SaveAnswer::kCancel;
    {
        const BusyScope busy(turn_);
        answer = file_dialogs_.ask_save(this, Message(lang::message::kSaveQuestion));
    }
    switch (answer) {
        case SaveAnswer::kSave:
            return FileSave(false);  // a cancelled or failed save keeps the game
        case SaveAnswer::kDiscard:
            return true;
        case SaveAnswer::kCancel:
            return false;
    }
    return false;
}

void TMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (turn_.IsReady() && !turn_.Busy() && !DroppedGameFile(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void TMainForm::dropEvent(QDropEvent* event) {
    const QString name = DroppedGameFile(event->mimeData());
    if (!turn_.IsReady() || turn_.Busy() || name.isEmpty()) return;
    event->acceptProposedAction();
    if (!rated_.MayLeave() || !MayDropGame()) return;
    // As the open command does with the name its dialog returned.
    const BusyScope busy(turn_);
    OpenChosenFile(name);
    ShowPossibleMoves(0);
    RefreshPieces();
    UpdateNavigation();
}

}  // namespace circumvia::control
