#include "control/rated/rated_players.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/rating/level_ratings.h"

namespace circumvia::control {
namespace {

const QString kAnna = QStringLiteral("Anna; \"la\" = 1,2");  // separators the store escapes

// The graph keeps the start and every rating after it up to its length, dropping the
// oldest; the text kept in the settings gives back every record as it was.
TEST(RatedPlayers, KeepsTheLatestRatingsAndSurvivesItsText) {
    RatedPlayers players;
    const RatedGame game = players.Plan(kAnna, kRed);
    const std::size_t games = kRatingHistoryLength + 5;
    for (std::size_t k = 0; k < games; ++k) {
        players.Record(game, k % 2 == 0 ? rating::kLossPoints : rating::kDrawPoints);
    }
    players.Record(players.Plan(QStringLiteral("Bruno"), kWhite), rating::kDrawPoints);
    const RatedRecord anna = players.Of(kAnna);
    EXPECT_EQ(anna.games, static_cast<int>(games));
    ASSERT_EQ(anna.history.size(), kRatingHistoryLength);
    EXPECT_EQ(anna.history.back(), static_cast<int>(std::lround(anna.rating)));

    const RatedPlayers read = RatedPlayers::FromText(players.Text());
    ASSERT_EQ(read.All().size(), 2u);
    for (const auto& [name, record] : players.All()) {
        const RatedRecord back = read.Of(name);
        EXPECT_DOUBLE_EQ(back.rating, record.rating);
        EXPECT_EQ(back.games, record.games);
        EXPECT_EQ(back.last_side, record.last_side);
        EXPECT_EQ(back.history, record.history);
    }
}

// A damaged value in the settings must not stop the program or invent players.
TEST(RatedPlayers, DamagedTextGivesNoPlayers) {
    for (const char* text :
         {"", "[1,2]", "{\"Anna\":{\"games\":\"x\"}}", "{\"Anna\":", "nonsense"}) {
        EXPECT_TRUE(RatedPlayers::FromText(QString::fromUtf8(text)).All().empty()) << text;
    }
}

// Values edited by hand are held to what games could make of them, so that no count or
// graph overflows and the player stays listed.
TEST(RatedPlayers, TamperedValuesAreHeldInRange) {
    struct Case {
        const char* record;
        double rating;
        int games;
        std::vector<int> history;
    };
    const Case cases[] = {
        {R"({"rating":1e308,"games":3,"history":[-2147483648,2147483647,1e300]})",
         kHighestRating,
         3,
         {-100000, 100000, 100000}},
        {R"({"rating":-1e308,"games":2147483647})", kLowestRating, kMostRatedGames, {}},
        {R"({"rating":1200,"games":1e300,"history":[1200.4,"x",null]})",
         1200,
         kMostRatedGames,
         {1200}},
    };
    for (const Case& c : cases) {
        const QString text = QStringLiteral("{\"Anna\":%1}").arg(QString::fromUtf8(c.record));
        RatedPlayers players = RatedPlayers::FromText(text);
        const RatedRecord read = players.Of(QStringLiteral("Anna"));
        ASSERT_EQ(players.All().size(), 1u) << c.record;
        EXPECT_EQ(read.rating, c.rating) << c.record;
        EXPECT_EQ(read.games, c.games) << c.record;
        EXPECT_EQ(read.history, c.history) << c.record;
        // One more game neither wraps the count nor drops the player.
        players.Record(players.Plan(QStringLiteral("Anna"), kRed), rating::kWinPoints);
        EXPECT_GE(players.Of(QStringLiteral("Anna")).games, read.games) << c.record;
    }
}

}  // namespace
}  // namespace circumvia::control
