// The Help menu: the rules of the game in the current language, and the about box.
#include "control/main_form.h"
#include "dialogs/about_box.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

void TMainForm::HelpSearch() {
    if (turn_.IsStarting()) return;
    // One window at a time: asked again, it turns to the page of the language now chosen.
    if (helpWindow_.isNull()) helpWindow_ = new dialogs::THelpWindow(this);
    const QString title =
        QString::fromStdString(lang::Caption(lang::CaptionBase() + lang::caption::kRulesItem));
    helpWindow_->ShowTopic(dialogs::HelpTopic(lang::LanguageCode()), title);
    helpWindow_->show();
    helpWindow_->raise();
    helpWindow_->activateWindow();
}

void TMainForm::HelpAbout() {
    if (turn_.IsStarting()) return;
    dialogs::TFAbout box(versionText_, this);
    box.exec();
}

}  // namespace circumvia::control
