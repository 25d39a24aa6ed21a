// A game kept in either form: whatever cannot be read leaves the game as it was, and a game
// file of a game with variations holds its line exactly as a game without them would.
#include "model/game_storage.h"

#include <gtest/gtest.h>

#include <string>

#include "model/game_file.h"
#include "tests/model/game_file_fixtures.h"
#include "tests/model/game_fixtures.h"

namespace circumvia {
namespace {

using testing::Play;

// Six moves, then from move 3 another fourth move with a comment, and back on the main line.
Tjeu GameWithAVariation(Tjeu* line_alone = nullptr) {
    Tjeu game = testing::ComputerGame(1, 1, 5, 6);
    if (line_alone) *line_alone = game;
    const int main_end = game.CurrentNode();
    game.GoToNode(game.Tree.Line()[3]);
    const Tlcoup moves = ListAllMoves(game.Pos, game.SideToMove);
    const HistoryEntry& next = game.History[4];
    for (const Move move : moves) {
        if (move.From != next.From || move.To != next.To) {
            Play(game, move.From, move.To);
            break;
        }
    }
    game.Tree.SetComment(game.CurrentNode(), "worth a look");
    game.GoToNode(main_end);
    return game;
}

TEST(GameStorage, WhatCannotBeReadLeavesTheGameAsItWas) {
    testing::ScratchFolder folder;
    const std::vector<std::uint8_t> whole = GameFileBytes(testing::ComputerGame(1, 1, 3, 8));
    testing::WriteFile(folder / "cut.Cva", {whole.begin(), whole.end() - 10});
    const struct {
        const char* name;
        std::string contents;  // none: the file is not there
        OpenOutcome outcome;
        int line, column;
    } cases[] = {
        {"cut.Cva", "", OpenOutcome::kDamagedFile, 0, 0},
        {"gone.Cva", "", OpenOutcome::kCannotRead, 0, 0},
        {"illegal.cvn", "[Red \"A\"]\n\n1. E1-D2 A1-A2\n", OpenOutcome::kTextFault, 3, 10},
        {"letter.txt", "Dear Ann,\n", OpenOutcome::kTextFault, 1, 1},
    };
    for (const auto& c : cases) {
        if (!c.contents.empty()) {
            testing::WriteFile(folder / c.name, {c.contents.begin(), c.contents.end()});
        }
        Tjeu game = GameWithAVariation();
        game.FileName = "kept.cvn";
        const Tjeu before = game;
        const OpenedGame opened = OpenGame(game, folder / c.name);
        EXPECT_EQ(opened.outcome, c.outcome) << c.name;
        EXPECT_EQ(opened.text.line, c.line) << c.name << ' ' << opened.text.what;
        EXPECT_EQ(opened.text.column, c.column) << c.name;
        EXPECT_TRUE(SameTree(game.Tree, before.Tree)) << c.name;
        EXPECT_EQ(game.Current, before.Current) << c.name;
        EXPECT_EQ(game.Pos, before.Pos) << c.name;
        EXPECT_EQ(game.FileName, "kept.cvn") << c.name;
        // Pasted, the same text is refused the same way.
        if (opened.outcome == OpenOutcome::kTextFault) {
            EXPECT_EQ(PasteGameText(game, c.contents).line, c.line) << c.name;
            EXPECT_TRUE(SameTree(game.Tree, before.Tree)) << c.name;
        }
    }
}

TEST(GameStorage, AGameFileHoldsTheLineOnTheBoardByteForByteAndTheTextTheWholeTree) {
    testing::ScratchFolder folder;
    Tjeu line_alone;
    Tjeu game = GameWithAVariation(&line_alone);
    EXPECT_TRUE(GameFileLosesPart(game));
    EXPECT_FALSE(GameFileLosesPart(line_alone));
    const std::vector<std::uint8_t> designed = GameFileBytes(line_alone);
    ASSERT_TRUE(SaveGameAs(game, folder / "game.Cva"));
    EXPECT_EQ(testing::FileBytes(folder / "game.Cva"), designed);

    Tjeu text_copy = game;
    ASSERT_TRUE(SaveGameAs(text_copy, folder / "game.cvn"));
    EXPECT_EQ(text_copy.FileName, (folder / "game.cvn").string());
    Tjeu read;
    ASSERT_TRUE(OpenGame(read, folder / "game.cvn"));
    EXPECT_TRUE(SameTree(read.Tree, game.Tree));
    EXPECT_EQ(read.FileName, (folder / "game.cvn").string());
    // A pasted game has no file yet.
    ASSERT_FALSE(PasteGameText(read, WriteGameText(game)));
    EXPECT_EQ(read.FileName, kNoName);
}

}  // namespace
}  // namespace circumvia
