#include "control/rated/rated_game.h"

#include <gtest/gtest.h>

#include <vector>

#include "dialogs/rating_text.h"
#include "model/rating/level_ratings.h"

namespace circumvia::control {
namespace {

const QString kAnna = QStringLiteral("Anna");

class AnsweringHost : public RatedGameHost {
public:
    QWidget* RatedGameWindow() override { return nullptr; }
    void StoreRatings(const RatedPlayers& players) override { stored = players.Text(); }
    bool ConfirmLeavingRatedGame(const QString&, const QString& detail) override {
        details.push_back(detail);
        return answer;
    }
    void RecordOpened() override {}

    bool answer = false;
    std::vector<QString> details;
    QString stored;
};

struct RatedGameFixture {
    RatedGameFixture() {
        std::array<Player, 3> players = game.Players;
        players[kWhite] = {kAnna.toStdString(), 12, kHuman};
        players[kRed].Kind = kHuman + 1;
        rated.Start(players);
        game.Players = players;
        game.SideToMove = kRed;  // the computer begins
    }
    void PlayMoves(int count) {
        for (int k = 0; k < count; ++k) {
            const Move move = game.SuggestMove(game.Pos, game.SideToMove, 1);
            game.ApplyMove(game.Pos, move.From, move.To);
        }
    }

    Tjeu game;
    AnsweringHost host;
    RatedGames rated{game, host};
};

// Leaving costs a loss only once Anna has moved, and then only after she agreed, knowing
// the rating it leaves her.
TEST(RatedGames, LeavingAsksFirstAndCountsOnlyAGameThePlayerHasMovedIn) {
    struct Case {
        const char* what;
        int moves;  // the computer's first, then Anna's
        bool answer;
        bool may_leave;
        bool asked;
    };
    const Case cases[] = {
        {"nothing played", 0, false, true, false},
        {"only the computer moved", 1, false, true, false},
        {"Anna moved and cancels", 2, false, false, true},
        {"Anna moved and agrees", 2, true, true, true},
    };
    for (const Case& c : cases) {
        RatedGameFixture fixture;
        fixture.PlayMoves(c.moves);
        fixture.host.answer = c.answer;
        const bool may_leave = fixture.rated.MayLeave();
        EXPECT_EQ(may_leave, c.may_leave) << c.what;
        EXPECT_EQ(fixture.host.details.size(), c.asked ? 1u : 0u) << c.what;
        if (may_leave) fixture.rated.Leave();
        EXPECT_EQ(fixture.rated.UnderWay(), !may_leave) << c.what;
        const RatedRecord anna = fixture.rated.Players().Of(kAnna);
        const bool counted = c.asked && c.answer;
        EXPECT_EQ(anna.games, counted ? 1 : 0) << c.what;
        EXPECT_EQ(fixture.host.stored.contains(kAnna), counted) << c.what;
        if (counted) {
            EXPECT_LT(anna.rating, rating::kNewPlayerRating);
            EXPECT_TRUE(
                fixture.host.details.front().contains(dialogs::RatingNumberText(anna.rating)));
        }
    }
}

// The set-up is told the game as it will be played: the rated players, the colour due (the
// other one after a game as White, the chosen one for a first game) and the level nearest
// the rating.
TEST(RatedGames, TheSetUpIsToldTheColourLevelAndNameThatWillBePlayed) {
    RatedGameFixture fixture;
    fixture.PlayMoves(2);
    fixture.host.answer = true;
    ASSERT_TRUE(fixture.rated.MayLeave());
    fixture.rated.Leave();
    const dialogs::RatedChoices choices = fixture.rated.SetupChoices();
    ASSERT_EQ(choices.names, QStringList{kAnna});
    const dialogs::RatedPreview anna = choices.preview(kAnna, kWhite);
    EXPECT_EQ(anna.side, kRed);
    EXPECT_EQ(anna.level, rating::NearestLevel(fixture.rated.Players().Of(kAnna).rating));
    EXPECT_TRUE(anna.text.contains(kAnna));
    EXPECT_EQ(choices.preview(QStringLiteral("Bruno"), kWhite).side, kWhite);

    // Started with Anna chosen as White, she plays Red, against the planned level.
    std::array<Player, 3> players = fixture.game.Players;
    players[kWhite] = {kAnna.toStdString(), 12, kHuman};
    players[kRed] = {"GARNET", 12, kMaxLevel};
    fixture.rated.Start(players);
    EXPECT_EQ(players[kRed].Name, kAnna.toStdString());
    EXPECT_EQ(players[kRed].Kind, kHuman);
    EXPECT_EQ(players[kWhite].Kind, anna.level);
}

}  // namespace
}  // namespace circumvia::control
