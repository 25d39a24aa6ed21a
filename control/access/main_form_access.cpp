// Playing by keys and reading the board aloud. The keyboard cursor comes on with Return
// or Space on the board (or its Edit menu item); while it is on the arrow keys walk it over
// the cells and Return or Space acts on its cell as a click would, Escape drops a selection
// and then puts the cursor away, giving the arrow keys back to tilting and turning the
// board (which Shift with an arrow always does). F2, or a row letter typed on the board,
// goes to the move entry.
#include <QKeyEvent>
#include <QMenuBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QToolBar>
#include <algorithm>

#include "control/access/announcer.h"
#include "control/access/board_marks.h"
#include "control/access/cell_description.h"
#include "control/access/mnemonics.h"
#include "control/access/move_entry.h"
#include "control/access/spoken_events.h"
#include "control/settings/settings_store.h"
#include "control/window/main_form.h"
#include "control/window/status_line.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/notation.h"
#include "scene/gl/scene_viewer.h"

namespace circumvia::control {

namespace {

constexpr QChar kFirstRowLetter = u'A';
constexpr QChar kLastRowLetter = u'F';
// The ring's half width on the screen, as the accessible rectangle of a cell.
constexpr int kCellHalfPixels = 12;

std::optional<CursorStep> StepOfKey(int key) {
    switch (key) {
        case Qt::Key_Up:
            return CursorStep::kUp;
        case Qt::Key_Down:
            return CursorStep::kDown;
        case Qt::Key_Left:
            return CursorStep::kLeft;
        case Qt::Key_Right:
            return CursorStep::kRight;
        default:
            return std::nullopt;
    }
}

bool IsChooseKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

}  // namespace

void TMainForm::BuildAccessAids() {
    InstallBoardAccessibility();
    InstallAnnouncerAccessibility();
    marks_ = std::make_unique<BoardMarks>(board_);
    move_entry_ = new MoveEntry(this);
    menu_.ToolBar1->addSeparator();
    menu_.ToolBar1->addWidget(move_entry_);
    connect(move_entry_, &MoveEntry::MoveTyped, this, &TMainForm::PlayTypedMove);
    connect(move_entry_, &MoveEntry::LeaveRequested, this,
            [this] { Viewer_->setFocus(Qt::ShortcutFocusReason); });
    connect(move_entry_, &QLineEdit::textEdited, this, [this] {
        move_entry_->OfferMoves(HumanMayPlay() ? ListAllMoves(game_.Pos, game_.SideToMove)
                                               : Tlcoup{});
    });
    auto* to_entry = new QShortcut(QKeySequence(Qt::Key_F2), this);
    connect(to_entry, &QShortcut::activated, this, [this] {
        // Already there (after a refused move, say), the entry gets no focus event, and a
        // screen reader would not say where the keys go: it is told in words instead.
        if (move_entry_->hasFocus()) {
            StatusLine_->Announce(move_entry_->accessibleName() + QStringLiteral(". ") +
                                  move_entry_->accessibleDescription());
        }
        // Not a shortcut's focus reason: the line would select its text before the focus event
        // went out, and Orca, moved there by the selection, would not name the entry.
        move_entry_->setFocus(Qt::OtherFocusReason);
        move_entry_->selectAll();
    });
    coordinates_wanted_ = settings_->Read(SettingsStore::kCoordinates, {}) == QLatin1String("1");
    marks_->ShowCoordinates(coordinates_wanted_);

    menu_.Coordinates->setChecked(coordinates_wanted_);
}

void TMainForm::KeyboardCursorClick() {
    SetKeyboardCursor(menu_.KeyboardCursor->isChecked());
}

void TMainForm::CoordinatesClick() {
    SetCoordinatesWanted(menu_.Coordinates->isChecked());
}

void TMainForm::RelabelAccessAids(int base) {
    move_entry_->Relabel(base);
    StatusLine_->Relabel(base);
    Viewer_->setAccessibleName(
        QString::fromStdString(lang::Caption(base + lang::caption::kBoardName)));
    AssignMenuMnemonics(*menuBar());  // last: every caption of the menus is in place
}

void TMainForm::UpdateAccessAids() {
    entry_note_.clear();
    if (marks_) marks_->ShowCursor(cursor_cell_);
    AnnounceBoardChanges(Viewer_);
}

bool TMainForm::HumanMayPlay() const {
    return !turn_.IsStarting() && turn_.State() == LoopState::HumanTurn &&
           turn_.Phase() != kMoveUnderWay && game_.Result == kInProgress;
}

bool TMainForm::CursorKey(const QKeyEvent& event) {
    const int key = event.key();
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier && event.text().size() == 1) {
        const QChar typed = event.text().at(0).toUpper();
        if (typed >= kFirstRowLetter && typed <= kLastRowLetter) {
            move_entry_->setFocus(Qt::OtherFocusReason);
            move_entry_->setText(event.text());
            Q_EMIT move_entry_->textEdited(move_entry_->text());
            return true;
        }
    }
    if (modifiers != Qt::NoModifier) return false;  // Shift with an arrow tilts and turns
    if (cursor_cell_ == 0) {
        if (!IsChooseKey(key)) return false;
        SetKeyboardCursor(true);
        return true;
    }
    if (const std::optional<CursorStep> step = StepOfKey(key)) {
        MoveCursor(*step);
        return true;
    }
    if (IsChooseKey(key)) {
        ChooseCursorCell();
        return true;
    }
    if (key == Qt::Key_Escape) {
        SetKeyboardCursor(false);
        return true;
    }
    return false;
}

void TMainForm::SetKeyboardCursor(bool on) {
    if (on == (cursor_cell_ != 0)) return;
    cursor_cell_ = on ? FirstCursorCell(game_.Pos, game_.SideToMove) : 0;
    const QSignalBlocker quiet(menu_.KeyboardCursor);
    menu_.KeyboardCursor->setChecked(on);
    marks_->ShowCursor(cursor_cell_);
    marks_->ShowCoordinates(coordinates_wanted_ || on);
    if (on) {
        entry_note_ = lang::LoadText(lang::message::kCursorKeys);
        SetStatusText(QString::fromStdString(entry_note_));
        Viewer_->setFocus(Qt::ShortcutFocusReason);
    }
    // Put away, the focus is back on the board itself: the arrows tilt it from now on.
    if (Viewer_->hasFocus()) AnnounceBoardFocus(Viewer_, cursor_cell_);
    FrameClock_.Step();
}

void TMainForm::MoveCursor(CursorStep step) {
    if (cursor_cell_ == 0) return;
    // The toolbar's quarter turns (its target angle) turn what up and down mean on the board.
    const int quarter_turns = static_cast<int>(std::lround(board_.Plateau->TagFloat() / 90.0)) % 4;
    cursor_cell_ = StepCursor(cursor_cell_, step, quarter_turns);
    marks_->ShowCursor(cursor_cell_);
    FrameClock_.Step();
    AnnounceBoardFocus(Viewer_, cursor_cell_);
}

void TMainForm::ChooseCursorCell() {
    // A key during an animation only finishes it, as a click does.
    if (cursor_cell_ == 0 || FinishAnimationsNow()) return;
    ChooseCell(cursor_cell_);
    AnnounceBoardFocus(Viewer_, cursor_cell_);
    // A typed move selects too, unsaid: it is said as a move.
    if (BoardCellSelected(cursor_cell_)) {
        std::string spoken = SpokenSelection(cursor_cell_);
        if (const std::string note = SelectionNote(); !note.empty()) spoken += ". " + note;
        StatusLine_->Announce(QString::fromStdString(spoken));
    }
}

void TMainForm::ChooseCell(int cell) {
    if (review_->LeaveLine()) return;  // the board showed a line, not the game
    if (turn_.State() != LoopState::HumanTurn || turn_.Phase() == kMoveUnderWay) return;
    if (turn_.Phase() == kPieceSelected) {
        if (IsCell(turn_.MoveFrom()) && IsDestination(cell)) {
            const int from = turn_.MoveFrom();
            HighlightPiece(pieces_.PieceOnCell(cell));
            ShowPossibleMoves(0);
            PlayMove(from, cell);
            turn_.ForgetSelectedCells();
            return;
        }
        DropSelection();
        UpdateNavigation();
        // Another piece of one's own is chosen at once, where a click would need two.
        if (game_.Pos[cell] != game_.SideToMove) return;
    }
    scene::TSceneObject* piece = pieces_.PieceOnCell(cell);
    if (piece == nullptr || game_.Pos[cell] != game_.SideToMove) return;
    HighlightPiece(piece);
    turn_.SelectPiece(cell);
    ShowPossibleMoves(cell);
    UpdateNavigation();
    if (const std::string note = SelectionNote(); !note.empty()) {
        SetStatusText(StatusLine_->StatusText() + QStringLiteral("  ") +
                      QString::fromStdString(note));
    }
}

void TMainForm::PlayHeldMove() {
    if (!move_entry_->Holding()) return;
    if (HumanMayPlay()) {
        PlayTypedMove(move_entry_->TakeHeld());
    } else if (game_.Result != kInProgress || IsComputer(game_.PlayerOf(game_.SideToMove).Kind)) {
        move_entry_->TakeHeld();  // the game went elsewhere meanwhile
    }
}

void TMainForm::PlayTypedMove(const QString& text) {
    const std::string typed = text.trimmed().toStdString();
    const std::optional<Move> move = ParseMoveText(typed);
    if (!move) {
        RefuseTypedMove(lang::message::kMoveNotUnderstood, typed);
        return;
    }
    const std::string written = MoveText(move->From, move->To);
    review_->LeaveLine();  // the move is played in the game, not in a line shown
    if (!HumanMayPlay()) {
        // The turn is said as the move before lands: a player who answers at once is not
        // sent away, the landing is cut short and the move played as soon as it may be.
        const bool landing_into_human_turn = turn_.Phase() == kMoveUnderWay &&
                                             game_.Result == kInProgress &&
                                             !IsComputer(game_.PlayerOf(game_.SideToMove).Kind);
        if (landing_into_human_turn) {
            move_entry_->Hold(text);
            FinishAnimationsNow();
            return;
        }
        RefuseTypedMove(lang::message::kNotYourTurn, written);
        return;
    }
    const Tlcoup legal = ListAllMoves(game_.Pos, game_.SideToMove);
    if (std::find(legal.begin(), legal.end(), *move) == legal.end()) {
        RefuseTypedMove(lang::message::kMoveNotPossible, written);
        return;
    }
    // The two clicks: the piece, then its destination.
    DropSelection();
    ChooseCell(move->From);
    ChooseCell(move->To);
    // Emptied without an undo step, so Ctrl+Z cannot bring the text back; the game's keys
    // (Ctrl+Z, Home, End) belong to the board again.
    move_entry_->setText(QString());
    move_entry_->CloseOffers();
    Viewer_->setFocus(Qt::OtherFocusReason);
}

void TMainForm::RefuseTypedMove(int message, const std::string& detail) {
    entry_note_ = lang::FormatText(lang::LoadText(message), {detail});
    SetStatusText(QString::fromStdString(entry_note_));
    StatusLine_->Announce(QString::fromStdString(entry_note_));
}

void TMainForm::SetCoordinatesWanted(bool wanted) {
    coordinates_wanted_ = wanted;
    settings_->Write(SettingsStore::kCoordinates,
                     wanted ? QStringLiteral("1") : QStringLiteral("0"));
    marks_->ShowCoordinates(wanted || cursor_cell_ != 0);
    FrameClock_.Step();
}

bool TMainForm::CoordinatesShown() const {
    return marks_->CoordinatesShown();
}

std::string TMainForm::BoardCellName(int cell) const {
    return CellDescription(review_ ? review_->ShownPosition(game_) : game_.Pos, cell,
                           {.selected = BoardCellSelected(cell),
                            .destination = turn_.Phase() == kPieceSelected && IsDestination(cell)});
}

QString TMainForm::BoardName() const {
    return QString::fromStdString(lang::Caption(lang::CaptionBase() + lang::caption::kBoardName));
}

bool TMainForm::BoardCellSelected(int cell) const {
    return turn_.State() == LoopState::HumanTurn && turn_.Phase() == kPieceSelected &&
           turn_.MoveFrom() == cell;
}

QRect TMainForm::BoardCellRect(int cell) const {
    const scene::TSceneObject* marker = board_.SceneObjects[scene::kFirstCellMarker + cell - 1];
    if (marker == nullptr || Viewer_->Camera() == nullptr) return {};
    const scene::ScreenPoint at = Viewer_->View().Project(marker->AbsolutePosition());
    const QPoint centre(static_cast<int>(at.x), static_cast<int>(at.y));
    return QRect(centre - QPoint(kCellHalfPixels, kCellHalfPixels),
                 QSize(2 * kCellHalfPixels, 2 * kCellHalfPixels));
}

}  // namespace circumvia::control
