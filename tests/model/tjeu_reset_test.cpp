#include <gtest/gtest.h>

#include "model/tjeu.h"

namespace circumvia {
namespace {

TEST(ResetGame, StartsANewGameWithTwentyFourPieces) {
    Tjeu game;
    for (int cell = 1; cell <= 36; ++cell) {
        const int expected = cell <= 12 ? kWhite : cell >= 25 ? kRed : kEmpty;
        EXPECT_EQ(game.Pos[cell], expected) << cell;
    }
    EXPECT_EQ(game.SideToMove, kRed);
    EXPECT_EQ(game.Result, kInProgress);
    EXPECT_EQ(game.Current, 0);
    EXPECT_EQ(game.Depth, 7);
    EXPECT_EQ(game.FileName, "Noname");
    EXPECT_EQ(game.History.size(), 100u);
    EXPECT_EQ(game.History[0].Cells, game.Pos);
    EXPECT_EQ(game.History[0].Mover, 0);
    EXPECT_EQ(game.History[1], HistoryEntry{});
}

TEST(ResetGame, KeepsNamesButRestoresKindsCountsAndRecord) {
    Tjeu game;
    game.Players[kRed] = {"Rouge", 3, 5};
    game.Players[kWhite] = {"Blanc", 1, 0};
    game.Pos = Position{};
    game.Current = 42;
    game.Result = kDrawn;
    game.FileName = "/tmp/x.Cva";
    game.History.Grow();
    game.History.Set(5, HistoryEntry{Position::Start(), kRed, 25, 19});

    game.ResetGame();
    EXPECT_EQ(game.Players[kRed].Name, "Rouge");
    EXPECT_EQ(game.Players[kWhite].Name, "Blanc");
    EXPECT_EQ(game.Players[kRed].Kind, kHuman);
    EXPECT_EQ(game.Players[kWhite].Kind, 3);
    EXPECT_EQ(game.Players[kRed].Pieces, 12);
    EXPECT_EQ(game.Players[kWhite].Pieces, 12);
    EXPECT_EQ(game.Pos, Position::Start());
    EXPECT_EQ(game.Current, 0);
    EXPECT_EQ(game.Result, kInProgress);
    EXPECT_EQ(game.FileName, "Noname");
    EXPECT_EQ(game.History.size(), 100u);
    EXPECT_EQ(game.History[5], HistoryEntry{});
}

}  // namespace
}  // namespace circumvia
