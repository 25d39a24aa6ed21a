// The Expert level: won endings taken home against level 5, whatever the start.
#include <gtest/gtest.h>

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

TEST(ExpertLevel, WinsEveryWonTablePositionWithinItsDistanceAgainstLevelFive) {
    std::mt19937 random(17);
    int games = 0;
    const int wanted = std::getenv("GAMES") ? std::atoi(std::getenv("GAMES")) : 200;
    while (games < wanted) {
        const int expert_pieces = 1 + games % 3;
        const Position start =
            RandomPosition(random, expert_pieces, kSmallTablePieces - 1 - (expert_pieces == 3));
        const auto value = SmallTable().Probe(start, kRed);
        if (!value || value->outcome != Outcome::Win) continue;
        Tjeu game = EndingGame(start, kRed, static_cast<std::uint64_t>(games));
        while (game.Result == kInProgress && game.Current <= value->distance) {
            const Move move = game.ComputerMove(game.Pos, game.SideToMove);
            game.ApplyMove(game.Pos, move.From, move.To);
        }
        ASSERT_EQ(kRedWon, game.Result) << PositionText(start) << " win in " << value->distance;
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
