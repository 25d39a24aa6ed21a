// Comforts around the designed window: the move list, the animation speed, finishing an
// animation at once, keys for the selection and the record, and the window's remembered
// place and size.
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "control/record/move_list.h"
#include "control/record/record_jump.h"
#include "control/view/view_math.h"
#include "control/window/main_form.h"
#include "control/window/status_line.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

namespace {
// Below this the board is too small to play on; menus and toolbar set the width.
constexpr int kMinimumViewportHeight = 120;
// A time step long enough for any quarter turn to land on its target.
constexpr double kInstantSeconds = 1e6;
}  // namespace

void TMainForm::BuildMoveList() {
    move_list_ = new MoveListDock(this);
    addDockWidget(Qt::RightDockWidgetArea, move_list_);
    move_list_->hide();  // the designed window has no side panel until one is asked for
    menu_.Edition->addSeparator();
    menu_.Edition->addAction(move_list_->toggleViewAction());
    connect(move_list_, &MoveListDock::MoveChosen, this, &TMainForm::GoToRecordedMove);
}

void TMainForm::PlaceWindow() {
    resize(kReferenceWidth, kReferenceHeight);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    const QByteArray geometry = settings_->ReadBytes(SettingsStore::kGeometry);
    if (!geometry.isEmpty() && restoreGeometry(geometry)) outer_size_settled_ = true;
    restoreState(settings_->ReadBytes(SettingsStore::kWindowState));
}

void TMainForm::FitOuterSize() {
    // The designed 668 x 478 is the size with the window manager's frame; the frame is known
    // only once the window is shown and framed, and never without a window manager.
    if (outer_size_settled_ || !isVisible()) return;
    const QSize frame = frameGeometry().size() - size();
    if (frame.width() <= 0 && frame.height() <= 0) return;
    outer_size_settled_ = true;
    const QSize designed(kReferenceWidth, kReferenceHeight);
    if (size() == designed) resize(designed - frame);
}

void TMainForm::FitMinimumSize() {
    // Menus and toolbar on one line each, and some board below them.
    const int width = std::max(menuBar()->sizeHint().width(), menu_.ToolBar1->sizeHint().width());
    const int height = menuBar()->sizeHint().height() + menu_.ToolBar1->sizeHint().height() +
                       kMinimumViewportHeight + kStatusLineHeight;
    setMinimumSize(width, height);
}

void TMainForm::ReadComfortSettings() {
    SetAnimationSpeed(
        ParseAnimationSpeed(settings_->Read(SettingsStore::kAnimationSpeed, {}).toStdString()));
}

void TMainForm::WriteComfortSettings() {
    settings_->Write(SettingsStore::kAnimationSpeed,
                     QString::fromStdString(AnimationSpeedText(animation_speed_)));
    settings_->WriteBytes(SettingsStore::kGeometry, saveGeometry());
    settings_->WriteBytes(SettingsStore::kWindowState, saveState());
}

void TMainForm::SetAnimationSpeed(AnimationSpeed speed) {
    animation_speed_ = speed;
    animation_.SetSpeedFactor(SpeedFactor(speed));
    menu_.AnimationSpeedItems[static_cast<std::size_t>(speed)]->setChecked(true);
    if (speed == AnimationSpeed::kInstant) FinishAnimationsNow();
}

void TMainForm::GoToRecordedMove(int index) {
    if (turn_.IsStarting()) return;
    const int target = NearestStop(game_.StepStops(), game_.Current, index);
    if (target != game_.Current) {
        // The buttons' own steps, so the record lands exactly where they would have.
        while (game_.Current > target && game_.CanStepBack()) game_.StepBack();
        while (game_.Current < target && game_.CanStepForward()) game_.StepForward();
        ReopenAfterStep();
    }
    UpdateNavigation();
}

bool TMainForm::FinishAnimationsNow() {
    if (turn_.IsStarting()) return false;
    scene::TCube& slab = *board_.Plateau;
    const double landed = TurnStep(slab.TurnAngle(), slab.TagFloat(), kInstantSeconds);
    const bool turning = landed != slab.TurnAngle();
    if (turning) slab.SetTurnAngle(landed);
    // Each path lands on its last node and reports its end, so the click, the victim's
    // flight, the hiding of captured pieces and the turn loop's signal all happen as at the
    // designed speed.
    const bool moving = board_.Scene().AnythingTravelling();
    if (moving) board_.Scene().FinishAllMovements();
    if (turning || moving) FrameClock_.Step();
    return turning || moving;
}

double TMainForm::TurnTimeStep(double dt) const {
    return animation_speed_ == AnimationSpeed::kInstant ? kInstantSeconds
                                                        : dt * SpeedFactor(animation_speed_);
}

bool TMainForm::ComfortKey(int key) {
    if (turn_.IsStarting()) return false;
    switch (key) {
        case Qt::Key_Escape:
            if (FinishAnimationsNow()) return true;
            if (turn_.State() == LoopState::HumanTurn && turn_.Phase() == kPieceSelected) {
                DropSelection();
                return true;
            }
            return false;
        case Qt::Key_Home:
            GoToRecordedMove(0);
            return true;
        case Qt::Key_End:
            GoToRecordedMove(static_cast<int>(RecordedMoves(game_).size()));
            return true;
        default:
            return false;
    }
}

std::string TMainForm::SelectionNote() {
    if (!entry_note_.empty()) return entry_note_;  // why a typed move was refused
    // A piece without a move may be selected; the turn message then says why nothing shows.
    if (turn_.State() != LoopState::HumanTurn || turn_.Phase() != kPieceSelected ||
        !IsCell(turn_.MoveFrom()) || !ListDestinations(turn_.MoveFrom(), game_.Pos).empty()) {
        return {};
    }
    return lang::LoadText(lang::message::kPieceHasNoMove);
}

}  // namespace circumvia::control
