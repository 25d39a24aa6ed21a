// The File menu's print command: the record of the game in the print preview, with a
// picture of the board as the 3D view shows it.
#include <QImage>

#include "control/window/main_form.h"
#include "dialogs/print/print_dialog.h"
#include "scene/gl/scene_viewer.h"

namespace circumvia::control {

namespace {

// Keeps the turn loop's ticks out while the preview is open, and lets them in again on
// every way out, a failure included.
class BusyWhileOpen {
public:
    explicit BusyWhileOpen(TurnState& turn) : turn_(turn) { turn_.SetBusy(true); }
    ~BusyWhileOpen() { turn_.SetBusy(false); }
    BusyWhileOpen(const BusyWhileOpen&) = delete;
    BusyWhileOpen& operator=(const BusyWhileOpen&) = delete;

private:
    TurnState& turn_;
};

}  // namespace

void TMainForm::FilePrint() {
    // The picture shows every piece where the model has it, with one frame's progress.
    FrameClock_.Step();
    RefreshPieces();
    const BusyWhileOpen busy(turn_);
    const QImage snapshot = Viewer_->Snapshot();  // draws the viewport afresh
    dialogs::TFprint preview(this);
    preview.ComposePrint(snapshot, game_, review_->Analysis());
    preview.exec();
}

}  // namespace circumvia::control
