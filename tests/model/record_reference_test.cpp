// The record against the literal reference: random games of every pairing of human and
// computer players, with moves, null moves, back and forward in random order. After every
// step the whole state must be identical, and the navigation queries must say exactly
// whether the step would change anything.
#include <gtest/gtest.h>

#include <random>

#include "model/tjeu.h"
#include "tests/model/game_fixtures.h"

namespace circumvia {
namespace {

using testing::FromReference;
using testing::Play;

void ExpectSameState(const Tjeu& game, const reference::Game& oracle) {
    ASSERT_EQ(game.Pos, FromReference(oracle.pos));
    ASSERT_EQ(game.SideToMove, oracle.sideToMove);
    ASSERT_EQ(game.Current, oracle.current);
    ASSERT_EQ(game.Result, oracle.result);
    ASSERT_EQ(game.Players[kRed].Pieces, oracle.pieces[kRed]);
    ASSERT_EQ(game.Players[kWhite].Pieces, oracle.pieces[kWhite]);
    ASSERT_EQ(game.History.size(), oracle.history.size());
    for (std::size_t k = 0; k < game.History.size(); ++k) {
        const HistoryEntry& entry = game.History[k];
        const reference::Entry& expected = oracle.history[k];
        ASSERT_EQ(entry.Cells, FromReference(expected.cells)) << k;
        ASSERT_EQ(entry.Mover, expected.mover) << k;
        ASSERT_EQ(entry.From, expected.from) << k;
        ASSERT_EQ(entry.To, expected.to) << k;
    }
    reference::Game back = oracle;
    reference::Game forward = oracle;
    ASSERT_EQ(game.CanStepBack(), reference::StepBack(back));
    ASSERT_EQ(game.CanStepForward(), reference::StepForward(forward));
}

TEST(RecordAgainstReference, AgreesThroughRandomPlayAndNavigation) {
    std::mt19937 rng(31337);
    int steps = 0;
    for (int g = 0; g < 150; ++g) {
        Tjeu game;
        reference::Game oracle;
        for (Side side : {kRed, kWhite}) {
            game.Players[side].Kind = oracle.kind[side] = static_cast<int>(rng() % 3);
        }
        for (int n = 0; n < 160; ++n, ++steps) {
            const unsigned action = rng() % 20;
            if (action < 2) {
                game.StepBack();
                reference::StepBack(oracle);
            } else if (action < 4) {
                game.StepForward();
                reference::StepForward(oracle);
            } else {
                const Tlcoup moves = ListAllMoves(game.Pos, game.SideToMove);
                Move move;  // the null move when there is none, and now and then anyway
                if (!moves.empty() && action != 4) move = moves[rng() % moves.size()];
                // Undoing one's own last step makes positions repeat.
                if (game.Current >= 2 && rng() % 2 == 0) {
                    const HistoryEntry& own = game.History[game.Current - 1];
                    const Move back{own.To, own.From};
                    if (std::find(moves.begin(), moves.end(), back) != moves.end()) move = back;
                }
                Play(game, move.From, move.To);
                reference::ApplyMove(oracle, oracle.pos, move.From, move.To);
            }
            ExpectSameState(game, oracle);
            if (HasFatalFailure()) {
                ADD_FAILURE() << "game " << g << " step " << n;
                return;
            }
            ASSERT_EQ(game.RepetitionCount(game.Pos),
                      reference::RepetitionCount(oracle, oracle.pos));
        }
    }
    EXPECT_GT(steps, 10000);
}

}  // namespace
}  // namespace circumvia
