#pragma once
// The players' ratings from rated games against the computer, kept per player name: the
// rating, how many rated games it rests on, the colour of the last one (colours alternate
// from game to game) and the latest ratings for the graph. Stored as one JSON text in the
// settings; unreadable text or entries give way to no players rather than to an error.

#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <vector>

#include "model/board.h"
#include "model/rating/elo_update.h"

namespace circumvia::control {

// The graph shows at most this many ratings, the newest last.
inline constexpr std::size_t kRatingHistoryLength = 50;
// What is read from the settings is held to these, so that a hand-edited text can neither
// overflow a count nor show a rating no game could reach: a game moves a rating by less
// than 40 points.
inline constexpr double kLowestRating = -100000.0;
inline constexpr double kHighestRating = 100000.0;
inline constexpr int kMostRatedGames = 1000000000;

struct RatedRecord {
    double rating = rating::kNewPlayerRating;
    int games = 0;
    std::optional<Side> last_side;
    std::vector<int> history;  // whole ratings, oldest first, the current one last
};

// A rated game as it was set up: who plays which colour against which level.
struct RatedGame {
    QString name;
    Side side = kRed;
    int level = 1;
};

class RatedPlayers {
public:
    static RatedPlayers FromText(const QString& text);
    QString Text() const;
    // The text, made to satisfy `fits` (the room in the settings file) when the whole one
    // does not: the oldest ratings of the graphs go first, then the players with the
    // fewest games. Empty players when nothing fits.
    QString TextThatFits(const std::function<bool(const QString&)>& fits) const;

    // The record of `name`; a new player's when there is none.
    RatedRecord Of(const QString& name) const;
    // The game `name` plays next: the level rated nearest the player, and the colour other
    // than that of the player's last rated game (`chosen_side` for a first game).
    RatedGame Plan(const QString& name, Side chosen_side) const;
    // Counts the game, scored `points` (1, 0.5 or 0) by the player, and returns the rating
    // before it.
    double Record(const RatedGame& game, double points);

    const std::map<QString, RatedRecord>& All() const { return players_; }

private:
    std::map<QString, RatedRecord> players_;
};

}  // namespace circumvia::control
