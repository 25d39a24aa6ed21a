#include "control/record/move_counter.h"

#include <gtest/gtest.h>

namespace circumvia::control {
namespace {

// A record of `moves` alternating moves, with the board at `current`.
Tjeu GameWith(int moves, int current) {
    Tjeu game;
    for (int k = 1; k <= moves; ++k) {
        game.History.Set(
            k, {Position::Start(), static_cast<std::uint8_t>(k % 2 ? kRed : kWhite), 26, 20});
    }
    game.Current = current;
    return game;
}

TEST(MoveCounterCaption, EmptyAtTheStartOfTheGame) {
    EXPECT_EQ(MoveCounterCaption(GameWith(0, 0)), "");
    EXPECT_EQ(MoveCounterCaption(GameWith(12, 0)), "");  // stepped back to the start
}

TEST(MoveCounterCaption, SingleNumberAtTheEndOfTheRecord) {
    EXPECT_EQ(MoveCounterCaption(GameWith(1, 1)), "1");
    EXPECT_EQ(MoveCounterCaption(GameWith(12, 12)), "12");
}

TEST(MoveCounterCaption, CurrentSlashLastAfterSteppingBack) {
    EXPECT_EQ(MoveCounterCaption(GameWith(12, 5)), "5/12");
    EXPECT_EQ(LastRecordedMove(GameWith(12, 5)), 12);
}

TEST(MoveCounterCaption, ANullMoveEndsTheRecordedGame) {
    Tjeu game = GameWith(6, 6);
    game.History.Set(7, {Position::Start(), 0, 0, 0});  // the null move records mover 0
    game.Current = 7;
    EXPECT_EQ(LastRecordedMove(game), 6);
    EXPECT_EQ(MoveCounterCaption(game), "7/6");
}

TEST(MoveCounterCaption, FullRecordCountsToItsLength) {
    Tjeu game = GameWith(99, 99);
    EXPECT_EQ(LastRecordedMove(game), 99);
    EXPECT_EQ(MoveCounterCaption(game), "99");
}

}  // namespace
}  // namespace circumvia::control
