// The computer's search off the window's thread: the same move and the same state handed back
// as a search on the window's own thread would leave, and a search given up on the way.
// Under the thread sanitizer (scripts/sanitize thread) these are the handover's checks.
#include "control/turns/computer_search.h"

#include <gtest/gtest.h>

namespace circumvia::control {
namespace {

Tjeu GameAgainstLevel(int level, std::uint64_t seed) {
    Tjeu game;
    game.Players[kRed].Kind = level;
    game.Players[kWhite].Kind = level;
    game.Random.Seed(seed);
    return game;
}

TEST(ComputerSearch, HandsBackWhatASearchOnThisThreadWouldHaveLeft) {
    for (const int level : {1, 2, 3}) {
        Tjeu here = GameAgainstLevel(level, 7);
        Tjeu there = GameAgainstLevel(level, 7);
        const Move expected = here.ComputerMove(here.Pos, here.SideToMove);
        ComputerSearch search(there);
        search.Wait();
        ASSERT_TRUE(search.Finished());
        const Move move = search.TakeMove(there);
        EXPECT_EQ(move, expected) << "level " << level;
        EXPECT_EQ(there.Depth, here.Depth) << "level " << level;
        // The random numbers drawn on the worker are drawn for the game: the next move
        // chooses alike.
        EXPECT_EQ(there.Random.Draw(1 << 30), here.Random.Draw(1 << 30)) << "level " << level;
    }
}

TEST(ComputerSearch, GivenUpWhileSearchingItStopsAndLeavesTheGameAlone) {
    Tjeu game = GameAgainstLevel(kMaxLevel, 3);
    const Tjeu before = game;
    for (int k = 0; k < 3; ++k) {
        ComputerSearch search(game);
    }  // each destroyed at once: stopped, its thread waited for
    EXPECT_EQ(game.Pos, before.Pos);
    EXPECT_EQ(game.Random.Draw(1 << 30), Tjeu(before).Random.Draw(1 << 30));
}

}  // namespace
}  // namespace circumvia::control
