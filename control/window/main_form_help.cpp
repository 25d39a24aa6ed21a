// The Help menu: the rules of the game in the current language, and the about box.
#include "control/window/main_form.h"
#include "dialogs/about_box.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

void TMainForm::HelpSearch() {
    // One window at a time: asked again, it turns to the page of the language now chosen.
    if (help_window_.isNull()) help_window_ = new dialogs::THelpWindow(this);
    help_window_->Relabel();
    help_window_->show();
    help_window_->raise();
    help_window_->activateWindow();
}

void TMainForm::HelpAbout() {
    dialogs::TFAbout box(version_text_, this);
    box.exec();
}

}  // namespace circumvia::control
