#include "control/rated/rated_game.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "dialogs/display_text.h"
#include "dialogs/rating_text.h"
#include "dialogs/ratings_window.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/record_review.h"

namespace circumvia::control {

namespace {

std::string Utf8(const QString& text) {
    return text.toStdString();
}

QString Message(int number) {
    return QString::fromStdString(lang::LoadText(number));
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

Side HumanSide(const std::array<Player, 3>& players) {
    return players[kWhite].Kind == kHuman ? kWhite : kRed;
}

std::string RatingNote(const QString& name, double after, double before) {
    return lang::FormatText(
        lang::LoadText(lang::message::kRatingAfterGame),
        {dialogs::NameInTextUtf8(Utf8(name)), Utf8(dialogs::RatingNumberText(after)),
         Utf8(dialogs::RatingChangeText(after - before))});
}

}  // namespace

RatedGames::RatedGames(const Tjeu& game, RatedGameHost& host) : game_(game), host_(host) {}

void RatedGames::LoadRatings(const QString& text) {
    players_ = RatedPlayers::FromText(text);
}

RatedGame RatedGames::Plan(const std::array<Player, 3>& players) const {
    const Side chosen = HumanSide(players);
    return players_.Plan(QString::fromStdString(players[chosen].Name), chosen);
}

dialogs::RatedChoices RatedGames::SetupChoices() const {
    std::vector<std::pair<int, QString>> by_games;
    for (const auto& [name, record] : players_.All()) by_games.emplace_back(-record.games, name);
    std::sort(by_games.begin(), by_games.end());
    dialogs::RatedChoices choices;
    for (const auto& entry : by_games) choices.names << entry.second;
    choices.preview = [this](const QString& name, Side chosen_side) {
        const RatedGame plan = players_.Plan(name, chosen_side);
        const int colour =
            plan.side == kWhite ? lang::caption::kSetupWhiteGroup : lang::caption::kSetupRedGroup;
        const std::string text = lang::FormatText(
            lang::LoadText(lang::message::kRatedGamePlan),
            {dialogs::NameInTextUtf8(Utf8(name)),
             Utf8(dialogs::RatingNumberText(players_.Of(name).rating)),
             lang::Caption(lang::CaptionBase() + colour), std::to_string(plan.level)});
        return dialogs::RatedPreview{plan.side, plan.level, QString::fromStdString(text)};
    };
    return choices;
}

void RatedGames::Start(std::array<Player, 3>& players) {
    const Side chosen = HumanSide(players);
    const RatedGame planned = Plan(players);
    if (planned.side != chosen) std::swap(players[kWhite], players[kRed]);
    players[Opponent(planned.side)].Kind = planned.level;
    game_under_way_ = planned;
    counted_.reset();
}

std::string RatedGames::TurnNote() const {
    if (!game_under_way_) return {};
    const RatedRecord record = players_.Of(game_under_way_->name);
    return lang::FormatText(
        lang::LoadText(lang::message::kRatedGameStarted),
        {dialogs::NameInTextUtf8(Utf8(game_under_way_->name)),
         Utf8(dialogs::RatingNumberText(record.rating)), std::to_string(game_under_way_->level)});
}

std::string RatedGames::ResultNote() const {
    if (!counted_) return {};
    return RatingNote(counted_->name, counted_->after, counted_->before);
}

void RatedGames::GameEnded() {
    if (!game_under_way_) return;
    Count(PointsOf(game_.Result, game_under_way_->side));
    host_.RecordOpened();
}

bool RatedGames::PlayerHasMoved() const {
    const int last = LastRecordedEntry(game_);
    for (int k = 1; k <= last; ++k) {
        if (game_.History[static_cast<std::size_t>(k)].Mover == game_under_way_->side) return true;
    }
    return false;
}

bool RatedGames::MayLeave() {
    if (!game_under_way_ || !PlayerHasMoved()) return true;
    // What the loss would make of the rating, so the player knows the price before paying.
    RatedPlayers after = players_;
    const double before = after.Record(*game_under_way_, rating::kLossPoints);
    const double rating = after.Of(game_under_way_->name).rating;
    return host_.ConfirmLeavingRatedGame(
        Message(lang::message::kLeaveRatedGame),
        QString::fromStdString(RatingNote(game_under_way_->name, rating, before)));
}

void RatedGames::Leave() {
    counted_.reset();  // the note belongs to the game it ended
    if (!game_under_way_) return;
    if (PlayerHasMoved()) {
        Count(rating::kLossPoints);
    } else {
        game_under_way_.reset();  // nothing was played: nothing to count
    }
}

void RatedGames::Count(double points) {
    const RatedGame game = *game_under_way_;
    game_under_way_.reset();
    const double before = players_.Record(game, points);
    const double after = players_.Of(game.name).rating;
    host_.StoreRatings(players_);
    counted_ = Counted{game.name, before, after};
    if (ratings_window_) ShowRatingsInWindow();
}

void RatedGames::ShowRatings() {
    // One window at a time: asked again, it comes to the front.
    if (ratings_window_.isNull()) {
        ratings_window_ = new dialogs::TRatingsWindow(host_.RatedGameWindow());
    }
    ShowRatingsInWindow();
    ratings_window_->show();
    ratings_window_->raise();
    ratings_window_->activateWindow();
}

dialogs::TRatingsWindow* RatedGames::RatingsWindow() const {
    return ratings_window_;
}

void RatedGames::ShowRatingsInWindow() {
    std::vector<dialogs::RatingRow> rows;
    for (const auto& [name, record] : players_.All()) {
        rows.push_back({name, record.rating, record.games, record.history});
    }
    // The player of the game on the board, or of the last one, is shown in the graph.
    const Side human = HumanSide(game_.Players);
    ratings_window_->ShowRatings(std::move(rows),
                                 QString::fromStdString(game_.PlayerOf(human).Name));
}

}  // namespace circumvia::control
