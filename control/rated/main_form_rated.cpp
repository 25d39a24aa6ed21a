// Rated games: set up from the set-up dialog's choice, counted when they end or are left,
// and the Ratings window.
#include "control/window/main_form.h"
#include "dialogs/display_text.h"
#include "dialogs/rating_text.h"
#include "dialogs/ratings_window.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::control {

namespace {

std::string Utf8(const QString& text) {
    return text.toStdString();
}

// The points the rated player scored in a finished game.
double PointsOf(int result, Side side) {
    switch (result) {
        case kRedWon:
        case kWhiteResigned:
            return side == kRed ? rating::kWinPoints : rating::kLossPoints;
        case kWhiteWon:
        case kRedResigned:
            return side == kWhite ? rating::kWinPoints : rating::kLossPoints;
        default:
            return rating::kDrawPoints;
    }
}

}  // namespace

void TMainForm::StartRatedGame(std::array<Player, 3>& players) {
    const Side chosen = players[kWhite].Kind == kHuman ? kWhite : kRed;
    const QString name = QString::fromStdString(players[chosen].Name);
    const RatedGame planned = rated_players_.Plan(name, chosen);
    if (planned.side != chosen) std::swap(players[kWhite], players[kRed]);
    players[Opponent(planned.side)].Kind = planned.level;
    rated_game_ = planned;
}

std::string TMainForm::TurnNote() {
    if (!rated_game_) return {};
    const RatedRecord record = rated_players_.Of(rated_game_->name);
    return lang::FormatText(
        lang::LoadText(lang::message::kRatedGameStarted),
        {dialogs::NameInTextUtf8(Utf8(rated_game_->name)),
         Utf8(dialogs::RatingNumberText(record.rating)), std::to_string(rated_game_->level)});
}

void TMainForm::GameEnded() {
    if (!rated_game_) return;
    CountRatedGame(PointsOf(game_.Result, rated_game_->side));
    UpdateNavigation();  // the record and the hint are open again
}

void TMainForm::AbandonRatedGame() {
    if (rated_game_) CountRatedGame(rating::kLossPoints);
}

void TMainForm::CountRatedGame(double points) {
    const RatedGame game = *rated_game_;
    rated_game_.reset();
    const double before = rated_players_.Record(game, points);
    const double after = rated_players_.Of(game.name).rating;
    settings_->Write(SettingsStore::kRatings,
                     rated_players_.TextThatFits([this](const QString& text) {
                         return settings_->Fits(SettingsStore::kRatings, text);
                     }));
    rated_note_ = lang::FormatText(
        lang::LoadText(lang::message::kRatingAfterGame),
        {dialogs::NameInTextUtf8(Utf8(game.name)), Utf8(dialogs::RatingNumberText(after)),
         Utf8(dialogs::RatingChangeText(after - before))});
    if (ratings_window_) ShowRatingsInWindow();
}

std::string TMainForm::ResultNote() {
    return rated_note_;
}

void TMainForm::ShowRatings() {
    // One window at a time: asked again, it comes to the front.
    if (ratings_window_.isNull()) ratings_window_ = new dialogs::TRatingsWindow(this);
    ShowRatingsInWindow();
    ratings_window_->show();
    ratings_window_->raise();
    ratings_window_->activateWindow();
}

dialogs::TRatingsWindow* TMainForm::RatingsWindow() const {
    return ratings_window_;
}

void TMainForm::ShowRatingsInWindow() {
    std::vector<dialogs::RatingRow> rows;
    for (const auto& [name, record] : rated_players_.All()) {
        rows.push_back({name, record.rating, record.games, record.history});
    }
    // The player of the game on the board, or of the last one, is shown in the graph.
    const Side human = game_.PlayerOf(kWhite).Kind == kHuman ? kWhite : kRed;
    ratings_window_->ShowRatings(std::move(rows),
                                 QString::fromStdString(game_.PlayerOf(human).Name));
}

}  // namespace circumvia::control
