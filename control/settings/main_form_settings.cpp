// Settings read when the window is first shown and written when it closes (options, names,
// animation speed, the window's place), and the language commands.
#include "control/record/move_list.h"
#include "control/record/variation_editor.h"
#include "control/review/analysis_dock.h"
#include "control/settings/settings_text.h"
#include "control/training/puzzle_trainer.h"
#include "control/window/main_form.h"
#include "dialogs/relabelled_dialog.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

namespace {
QString FromUtf8(const std::string& text) {
    return QString::fromStdString(text);
}
}  // namespace

void TMainForm::ReadSettings() {
    const char locale_language = lang::LanguageCode();
    settings_text_ = settings_->Read(SettingsStore::kDefault,
                                     QString::fromStdString(DefaultSettingsText(locale_language)));
    const SettingsOptions options =
        ParseSettingsText(settings_text_.toStdString(), locale_language);

    menu_.Son1->setChecked(options.sound);
    menu_.TextureItem->setChecked(options.textures);
    ApplyTextures(options.textures);

    ChooseLanguage(options.language);

    player_names_ = settings_->Read(SettingsStore::kPlayers,
                                    FromUtf8(lang::LoadText(lang::message::kDefaultPlayerNames)));
    menu_.Coupsposs->setChecked(options.show_possible_moves);
    game_.PlayerOf(kWhite).Name =
        settings_->Read(SettingsStore::kWhiteName, QString::fromUtf8(kDefaultWhiteName))
            .toStdString();
    game_.PlayerOf(kRed).Name =
        settings_->Read(SettingsStore::kRedName, QString::fromUtf8(kDefaultRedName)).toStdString();
    SetCaption(QStringLiteral("Circumvia"));
    SetAnimationSpeed(
        ParseAnimationSpeed(settings_->Read(SettingsStore::kAnimationSpeed, {}).toStdString()));
    rated_.LoadRatings(settings_->Read(SettingsStore::kRatings, {}));
}

void TMainForm::FormClose() {
    turn_.SetBusy(true);
    SettingsOptions options;
    options.sound = menu_.Son1->isChecked();
    options.textures = menu_.TextureItem->isChecked();
    options.language = 'F';
    for (char code : {'F', 'A', 'E', 'D'}) {
        if (menu_.LanguageItem(code)->isChecked()) options.language = code;
    }
    options.show_possible_moves = menu_.Coupsposs->isChecked();
    options.top_view = menu_.Vue2D->isChecked();
    settings_->Write(SettingsStore::kDefault, QString::fromStdString(SettingsTextFor(options)));
    settings_->Write(SettingsStore::kPlayers, player_names_);
    settings_->Write(SettingsStore::kAnimationSpeed,
                     QString::fromStdString(AnimationSpeedText(animation_speed_)));
    settings_->WriteBytes(SettingsStore::kGeometry, saveGeometry());
    settings_->WriteBytes(SettingsStore::kWindowState, saveState());
    settings_->Sync();
}

void TMainForm::ApplyTextures(bool on) {
    board_.Scene().Materials().SetTexturesEnabled(on);
}

void TMainForm::TextureItemClick() {
    // The action has already flipped its tick.
    ApplyTextures(menu_.TextureItem->isChecked());
}

void TMainForm::ChooseLanguage(char code) {
    lang::SetLanguageCode(code);
    Relabel(lang::CaptionBaseFor(code));
    move_list_->ShowGame(game_);  // a finished game's result row, in the new language
    RelabelResultMessage();
    dialogs::RelabelOpenDialogs(*this);
    menu_.LanguageItem(code)->setChecked(true);  // the group unticks the others
}

void TMainForm::Relabel(int base) {
    RelabelMainMenu(menu_, base);
    move_list_->Relabel(base);
    variations_->Relabel(base);
    review_->Relabel(base);
    explorer_->Relabel();
    RelabelLessons();
    if (puzzles_) puzzles_->Relabel();
    RelabelAccessAids(base);  // last: it gives every menu caption in place its mnemonic
    FitMinimumSize();         // the menus' width follows the language
    SetCaption(caption_);     // the program's name, and the game's file when it has one
}

}  // namespace circumvia::control
