#pragma once
// Rated games in the window: the game under way set up from the set-up dialog's choice,
// counted when it ends or is left, the players' ratings kept in the settings, and the
// Ratings window. It reaches the window only through RatedGameHost.

#include <QPointer>
#include <QString>
#include <array>
#include <optional>
#include <string>

#include "control/rated/rated_players.h"
#include "dialogs/setup_dialog.h"
#include "model/tjeu.h"

class QWidget;

namespace circumvia::dialogs {
class TRatingsWindow;
}  // namespace circumvia::dialogs

namespace circumvia::control {

class RatedGameHost {
public:
    virtual ~RatedGameHost() = default;
    // The window the Ratings window and the questions belong to.
    virtual QWidget* RatedGameWindow() = 0;
    // Keeps the ratings in the settings, as much of them as the settings file reads back.
    virtual void StoreRatings(const RatedPlayers& players) = 0;
    // Asks whether the rated game may be left; true only for OK (Cancel is the default).
    virtual bool ConfirmLeavingRatedGame(const QString& question, const QString& detail) = 0;
    // The record and the hint open again once the rated game is over.
    virtual void RecordOpened() = 0;
};

class RatedGames {
public:
    RatedGames(const Tjeu& game, RatedGameHost& host);

    void LoadRatings(const QString& text);
    const RatedPlayers& Players() const { return players_; }
    // From the set-up of a rated game until it ends, the record cannot be stepped through
    // and no hint is given.
    bool UnderWay() const { return game_under_way_.has_value(); }
    // The game the set-up would start for the human among `players` (indexed by side): the
    // name kept from the rated players when the set-up's is not one of them, the colour due
    // and the level nearest the player's rating.
    RatedGame Plan(const std::array<Player, 3>& players) const;
    // What the set-up dialog shows of a rated game before it starts.
    dialogs::RatedChoices SetupChoices() const;
    // Starts the planned game: `players` are changed to match it.
    void Start(std::array<Player, 3>& players);

    // Said after the turn message while the rated game is under way.
    std::string TurnNote() const;
    // The game on the board has ended: it is counted and the new rating said.
    void GameEnded();
    // The new rating after the last rated game counted, until the next game starts.
    std::string ResultNote() const;

    // Before the game on the board is dropped (a new game, another file, quitting): a
    // rated game the player has moved in counts as lost, so the player is asked first.
    // False when the player would rather go on.
    bool MayLeave();
    // The game on the board is dropped: counted as lost once the player has moved in it.
    void Leave();

    void ShowRatings();
    // The Ratings window while it is open, else null.
    dialogs::TRatingsWindow* RatingsWindow() const;

private:
    bool PlayerHasMoved() const;
    void Count(double points);
    void ShowRatingsInWindow();

    const Tjeu& game_;
    RatedGameHost& host_;
    RatedPlayers players_;
    std::optional<RatedGame> game_under_way_;
    // The rated game counted last, until the next game starts: the new rating is said in
    // the language of the moment.
    struct Counted {
        QString name;
        double before = 0;
        double after = 0;
    };
    std::optional<Counted> counted_;
    QPointer<dialogs::TRatingsWindow> ratings_window_;  // deletes itself when closed
};

}  // namespace circumvia::control
