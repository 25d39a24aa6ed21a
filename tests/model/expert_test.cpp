// The Expert level: won endings taken home against level 5, whatever the start.
#include <gtest/gtest.h>

#include <iterator>
#include <random>

#include "model/position_text.h"
#include "model/tjeu.h"
#include "tests/model/endgame_fixtures.h"

namespace circumvia::testing {
namespace {

using endgame::Outcome;

// A game from `position` with the Expert on `side` and level 5 against it.
Tjeu EndingGame(const Position& position, Side expert_side, std::uint64_t seed) {
    Tjeu game;
    game.Random.Seed(seed);
    game.Pos = position;
    game.SideToMove = expert_side;
    game.History.Set(0, HistoryEntry{position, 0, 0, 0});
    game.Players[expert_side].Kind = kExpertLevel;
    game.Players[Opponent(expert_side)].Kind = kDesignedLevels;
    game.Endgame = std::shared_ptr<const endgame::EndgameTable>(&SmallTable(), [](auto*) {});
    game.ExpertTime = std::chrono::milliseconds(50);
    return game;
}

// Every material of up to four pieces, the Expert to move and winning by the table: it must
// take the last piece within the table's distance, whatever level 5 answers.
TEST(ExpertLevel, WinsEveryWonTablePositionWithinItsDistanceAgainstLevelFive) {
    constexpr int kMaterials[][2] = {{1, 1}, {2, 1}, {1, 2}, {3, 1}, {2, 2}, {1, 3}};
    constexpr int kPositions = 200;
    std::mt19937 random(17);
    for (int games = 0; games < kPositions;) {
        const auto [expert_pieces, other_pieces] = kMaterials[games % std::size(kMaterials)];
        const Position start = RandomPosition(random, expert_pieces, other_pieces);
        const auto value = SmallTable().Probe(start, kRed);
        ASSERT_TRUE(value) << PositionText(start);
        if (value->outcome != Outcome::Win) continue;
        Tjeu game = EndingGame(start, kRed, static_cast<std::uint64_t>(games));
        while (game.Result == kInProgress && game.Current < value->distance) {
            const Move move = game.ComputerMove(game.Pos, game.SideToMove);
            game.ApplyMove(game.Pos, move.From, move.To);
        }
        ASSERT_EQ(kRedWon, game.Result) << PositionText(start) << " wins in " << value->distance;
        ++games;
    }
}

TEST(ExpertLevel, WithoutATableStillTakesAnOfferedLastPieceAndNeverRepeatsWhenAhead) {
    // Red three against one: the search alone must finish it without going round in
    // circles until the repetition draw.
    Tjeu game = EndingGame(PositionFromText("R____R____________________R_______B_"), kRed, 1);
    game.Endgame = nullptr;
    while (game.Result == kInProgress && game.Current < 200) {
        const Move move = game.ComputerMove(game.Pos, game.SideToMove);
        game.ApplyMove(game.Pos, move.From, move.To);
    }
    EXPECT_EQ(kRedWon, game.Result);
}

}  // namespace
}  // namespace circumvia::testing
