// The window's place and size: centred at the designed size the first time, where it was
// left afterwards, and never so small that the board disappears.
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>

#include "control/view/view_math.h"
#include "control/window/main_form.h"
#include "control/window/status_line.h"

namespace circumvia::control {

namespace {
// Below this the board is too small to play on; menus and toolbar set the width.
constexpr int kMinimumViewportHeight = 120;
}  // namespace

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

}  // namespace circumvia::control
