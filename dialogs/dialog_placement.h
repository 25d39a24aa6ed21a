#pragma once
// Where the program's dialogs open: above the main window, centred on it.

class QWidget;

namespace circumvia::dialogs {

// Moves `dialog` so that its centre is the centre of its parent window (if it has one),
// keeping its size. Call it once the dialog has its final size, before showing it.
void CentreOnOwner(QWidget& dialog);

}  // namespace circumvia::dialogs
