// The endgame explorer's model: the moves it lists against the table, and the practice of
// an ending, where the Expert answers with the longest defence or the shortest win.
#include <gtest/gtest.h>

#include <iterator>
#include <random>

#include "model/endgame/endgame_explorer.h"
#include "model/movegen.h"
#include "model/position_text.h"
#include "model/tjeu.h"
#include "tests/model/endgame_fixtures.h"

namespace circumvia::testing {
namespace {

using endgame::Outcome;
using endgame::Preference;

// Every legal move listed once, best first, the first worth the position itself; a
// position one piece beyond the table is not explored.
TEST(EndgameExplorer, ListsEveryMoveBestFirstWithThePositionsValueOnTop) {
    constexpr int kMaterials[][2] = {{1, 1}, {2, 1}, {1, 2}, {2, 2}, {1, 3}};
    std::mt19937 random(23);
    for (int i = 0; i < 60; ++i) {
        const auto [red, white] = kMaterials[i % std::size(kMaterials)];
        const Position position = RandomPosition(random, red, white);
        const std::string where = PositionText(position);
        const auto explored = endgame::Explore(SmallTable(), position, kRed);
        ASSERT_TRUE(explored) << where;
        // Every legal move once, a capture round either circuit being one move.
        const Tlcoup legal = ListAllMoves(position, kRed);
        for (const Move& move : legal) {
            EXPECT_EQ(1, std::count_if(explored->moves.begin(), explored->moves.end(),
                                       [&](const endgame::MoveValue& m) { return m.move == move; }))
                << where;
        }
        for (std::size_t k = 1; k < explored->moves.size(); ++k) {
            EXPECT_GE(Preference(explored->moves[k - 1].value),
                      Preference(explored->moves[k].value))
                << where;
        }
        if (!explored->moves.empty()) {
            EXPECT_EQ(explored->value, explored->moves[0].value) << where;
        }
    }
    const Position beyond = RandomPosition(random, 3, 2);
    EXPECT_FALSE(endgame::Explore(SmallTable(), beyond, kRed)) << PositionText(beyond);
}

// From decisive positions, practising either side: the learner holds the side asked for,
// the game starts afresh from the position, and every answer of the Expert is the table's
// longest defence when the learner wins and its shortest win when the learner defends.
TEST(EndgameExplorer, PracticeMeetsTheLongestDefenceOrTheShortestWin) {
    constexpr int kMaterials[][2] = {{2, 1}, {1, 2}, {2, 2}, {3, 1}, {1, 3}};
    std::mt19937 random(31);
    int practised = 0;
    for (int i = 0; practised < 40; ++i) {
        const auto [red, white] = kMaterials[i % std::size(kMaterials)];
        Tjeu game;
        game.Pos = RandomPosition(random, red, white);
        game.SideToMove = i % 2 == 0 ? kRed : kWhite;
        const std::string where = PositionText(game.Pos);
        const auto value = SmallTable().Probe(game.Pos, game.SideToMove);
        ASSERT_TRUE(value) << where;
        const bool won_side = practised % 2 == 0;
        const auto learner = endgame::PracticeSide(*value, game.SideToMove, won_side);
        if (value->outcome == Outcome::Draw) {
            EXPECT_FALSE(learner) << where;
            continue;
        }
        ASSERT_TRUE(learner) << where;
        EXPECT_EQ(won_side, (value->outcome == Outcome::Win) == (*learner == game.SideToMove))
            << where;
        ++practised;
        const Position start = game.Pos;
        const Side to_move = game.SideToMove;
        endgame::SetUpPractice(game, *learner);
        EXPECT_TRUE(start == game.Pos && to_move == game.SideToMove && game.Current == 0 &&
                    !game.History[1].IsRecorded() && game.PlayerOf(*learner).Kind == kHuman)
            << where;
        game.Endgame = std::shared_ptr<const endgame::EndgameTable>(&SmallTable(), [](auto*) {});
        // Each side plays the table's best for a few moves; the Expert's must be exactly it.
        for (int ply = 0; ply < 6 && game.Result == kInProgress; ++ply) {
            const Side side = game.SideToMove;
            const auto explored = endgame::Explore(SmallTable(), game.Pos, side);
            ASSERT_TRUE(explored) << where;
            Move move = explored->moves[0].move;
            if (side != *learner) {
                ASSERT_EQ(kExpertLevel, game.PlayerOf(side).Kind) << where;
                move = game.ComputerMove(game.Pos, side);
                const auto played =
                    std::find_if(explored->moves.begin(), explored->moves.end(),
                                 [&](const endgame::MoveValue& m) { return m.move == move; });
                ASSERT_NE(explored->moves.end(), played) << where;
                EXPECT_EQ(explored->value, played->value) << where;
                EXPECT_EQ(won_side ? Outcome::Loss : Outcome::Win, played->value.outcome) << where;
            }
            game.ApplyMove(game.Pos, move.From, move.To);
        }
    }
}

}  // namespace
}  // namespace circumvia::testing
