#include "control/rated/rated_players.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>
#include <cmath>

#include "model/rating/level_ratings.h"

namespace circumvia::control {

namespace {

const QString kRatingKey = QStringLiteral("rating");
const QString kGamesKey = QStringLiteral("games");
const QString kLastSideKey = QStringLiteral("last");
const QString kHistoryKey = QStringLiteral("history");
const QString kRedName = QStringLiteral("red");
const QString kWhiteName = QStringLiteral("white");

int Whole(double rating) {
    return static_cast<int>(std::lround(rating));
}

std::optional<Side> SideFromName(const QString& name) {
    if (name == kRedName) return kRed;
    if (name == kWhiteName) return kWhite;
    return std::nullopt;
}

std::optional<RatedRecord> RecordFromJson(const QJsonObject& object) {
    RatedRecord record;
    if (!object.value(kRatingKey).isDouble() || !object.value(kGamesKey).isDouble()) {
        return std::nullopt;
    }
    record.rating = object.value(kRatingKey).toDouble();
    const double games = object.value(kGamesKey).toDouble();
    if (!std::isfinite(record.rating) || !(games >= 0)) return std::nullopt;
    record.rating = std::clamp(record.rating, kLowestRating, kHighestRating);
    record.games = static_cast<int>(std::min(games, double{kMostRatedGames}));
    record.last_side = SideFromName(object.value(kLastSideKey).toString());
    for (const QJsonValue value : object.value(kHistoryKey).toArray()) {
        if (value.isDouble() && std::isfinite(value.toDouble())) {
            record.history.push_back(
                Whole(std::clamp(value.toDouble(), kLowestRating, kHighestRating)));
        }
    }
    if (record.history.size() > kRatingHistoryLength) {
        record.history.erase(record.history.begin(), record.history.end() - kRatingHistoryLength);
    }
    return record;
}

QJsonObject RecordToJson(const RatedRecord& record) {
    QJsonObject object;
    object.insert(kRatingKey, record.rating);
    object.insert(kGamesKey, record.games);
    if (record.last_side) {
        object.insert(kLastSideKey, *record.last_side == kRed ? kRedName : kWhiteName);
    }
    QJsonArray history;
    for (int rating : record.history) history.append(rating);
    object.insert(kHistoryKey, history);
    return object;
}

}  // namespace

RatedPlayers RatedPlayers::FromText(const QString& text) {
    RatedPlayers players;
    const QJsonObject all = QJsonDocument::fromJson(text.toUtf8()).object();
    for (auto it = all.begin(); it != all.end(); ++it) {
        if (auto record = RecordFromJson(it.value().toObject())) {
            players.players_[it.key()] = std::move(*record);
        }
    }
    return players;
}

QString RatedPlayers::Text() const {
    QJsonObject all;
    for (const auto& [name, record] : players_) all.insert(name, RecordToJson(record));
    return QString::fromUtf8(QJsonDocument(all).toJson(QJsonDocument::Compact));
}

QString RatedPlayers::TextThatFits(const std::function<bool(const QString&)>& fits) const {
    RatedPlayers trimmed = *this;
    QString text = trimmed.Text();
    for (std::size_t kept = kRatingHistoryLength / 2; !fits(text) && kept > 0; kept /= 2) {
        for (auto& [name, record] : trimmed.players_) {
            if (record.history.size() > kept) {
                record.history.erase(record.history.begin(), record.history.end() - kept);
            }
        }
        text = trimmed.Text();
    }
    while (!fits(text) && !trimmed.players_.empty()) {
        // A tenth of the players at a time, the least played first.
        std::vector<std::pair<int, QString>> by_games;
        for (const auto& [name, record] : trimmed.players_)
            by_games.emplace_back(record.games, name);
        std::sort(by_games.begin(), by_games.end());
        const std::size_t dropped = std::max<std::size_t>(1, by_games.size() / 10);
        for (std::size_t k = 0; k < dropped; ++k) trimmed.players_.erase(by_games[k].second);
        text = trimmed.Text();
    }
    return text;
}

RatedRecord RatedPlayers::Of(const QString& name) const {
    const auto found = players_.find(name);
    return found == players_.end() ? RatedRecord{} : found->second;
}

RatedGame RatedPlayers::Plan(const QString& name, Side chosen_side) const {
    const RatedRecord record = Of(name);
    const Side side = record.last_side ? Opponent(*record.last_side) : chosen_side;
    return {name, side, rating::NearestLevel(record.rating)};
}

double RatedPlayers::Record(const RatedGame& game, double points) {
    RatedRecord& record = players_[game.name];
    const double before = record.rating;
    if (record.history.empty()) record.history.push_back(Whole(before));
    record.rating =
        rating::UpdatedRating(before, rating::LevelRating(game.level), points, record.games);
    record.rating = std::clamp(record.rating, kLowestRating, kHighestRating);
    record.games = std::min(record.games + 1, kMostRatedGames);
    record.last_side = game.side;
    record.history.push_back(Whole(record.rating));
    if (record.history.size() > kRatingHistoryLength) record.history.erase(record.history.begin());
    return before;
}

}  // namespace circumvia::control
