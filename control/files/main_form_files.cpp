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
#include "model/game_storage.h"

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
        for (const char* extension : {kGameFileExtension, kGameTextExtension}) {
            if (name.endsWith(u'.' + QString::fromLatin1(extension), Qt::CaseInsensitive)) {
                return name;
            }
        }
    }
    return {};
}

}  // namespace

void TMainForm::FileOpen() {
    if (!rated_.MayLeave() || !MayDropGame()) return;
    const BusyScope busy(turn_);
    const QString chosen = file_dialogs_.choose_open_name(this, OpenDialogFilters());
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
    // Read aside: a file that cannot be read leaves the game on the board as it was.
    Tjeu read = game_;
    const OpenedGame opened = OpenGame(read, path);
    if (!opened) {
        file_dialogs_.tell(this,
                           opened.outcome == OpenOutcome::kTextFault
                               ? TextFaultMessage(opened.text)
                               : Message(lang::message::kUnreadableFile),
                           ShownPath(path));
        return false;
    }
    ReplaceGame(std::move(read), true);
    return true;
}

void TMainForm::ReplaceGame(Tjeu game, bool saved) {
    // A selection made on the old board means nothing on the new one.
    if (turn_.State() == LoopState::HumanTurn && turn_.Phase() == kPieceSelected) {
        DropSelection();
    }
    HighlightPiece(nullptr);
    AbandonComputerSearch();  // it searched the old game; the loop starts one on the new
    rated_.Leave();
    LeaveTraining();
    game_ = std::move(game);
    unsaved_moves_ = !saved;
    ShowFileCaption();
    loop_.ShowOpenedGame();
    ShowPossibleMoves(0);
    RefreshPieces();
    UpdateNavigation();
}

bool TMainForm::MayReplaceGame() {
    return rated_.MayLeave() && MayDropGame();
}

void TMainForm::TellUser(const QString& text, const QString& detail) {
    const BusyScope busy(turn_);
    file_dialogs_.tell(this, text, detail);
}

bool TMainForm::FileSave(bool save_as) {
    const BusyScope busy(turn_);
    fs::path target;
    if (const fs::path own = game_.FileName; !save_as && game_.FileName != kNoName && Exists(own)) {
        target = own;  // the game's own file, written over without a question
    } else {
        const QString chosen = file_dialogs_.choose_save_name(this, SaveDialogFilters());
        if (chosen.isEmpty()) return false;
        target = GamePathFromChoice(chosen);
        if (Exists(target) && !file_dialogs_.ask(this, kOverwriteQuestion, ShownPath(target))) {
            return false;
        }
    }
    // A ".cvn" name is written as game text; whatever other filter was chosen, the content
    // is the game format.
    const WriteResult written = SaveGameAs(game_, target, TagsForNow());
    if (written) {
        unsaved_moves_ = false;
        ShowFileCaption();
        exchange_->Saved(target);
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
