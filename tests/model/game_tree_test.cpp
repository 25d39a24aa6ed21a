// The tree of lines under the record: branching keeps every line, the record is always the
// selected line, and editing the tree keeps the board and the record consistent.
#include <gtest/gtest.h>

#include <vector>

#include "model/tjeu.h"
#include "model/tree_edits.h"
#include "tests/model/game_fixtures.h"

namespace circumvia {
namespace {

using testing::Play;

struct Step {
    int from;
    int to;
};

// The record's moves 1.. up to the first cleared entry.
std::vector<std::pair<int, int>> RecordedMoves(const Tjeu& game) {
    std::vector<std::pair<int, int>> moves;
    for (std::size_t k = 1; k < game.History.size() && game.History[k].IsRecorded(); ++k) {
        moves.emplace_back(game.History[k].From, game.History[k].To);
    }
    return moves;
}

// The same moves played one by one into a fresh game: what the record must match exactly.
Tjeu Replayed(const std::vector<std::pair<int, int>>& moves, int upto) {
    Tjeu game;
    for (int k = 0; k < upto; ++k) Play(game, moves[k].first, moves[k].second);
    return game;
}

void ExpectConsistent(const Tjeu& game) {
    const std::vector<std::pair<int, int>> moves = RecordedMoves(game);
    ASSERT_EQ(moves.size() + 1, game.Tree.Line().size());
    const Tjeu expected = Replayed(moves, game.Current);
    EXPECT_EQ(game.Pos, expected.Pos);
    EXPECT_EQ(game.SideToMove, expected.SideToMove);
    EXPECT_EQ(game.Result, expected.Result);
    const Tjeu whole = Replayed(moves, static_cast<int>(moves.size()));
    for (std::size_t k = 0; k < game.Tree.Line().size(); ++k) {
        EXPECT_EQ(game.History[k], whole.History[k]) << k;
        EXPECT_EQ(game.Tree.Node(game.Tree.Line()[k]).Entry, whole.History[k]) << k;
    }
}

Tjeu TwoLines() {
    Tjeu game;
    game.Players[kWhite].Kind = kHuman;
    for (const Step step : {Step{25, 19}, Step{7, 13}, Step{26, 20}, Step{8, 14}}) {
        Play(game, step.from, step.to);
    }
    game.GoToNode(game.Tree.Line()[1]);
    Play(game, 9, 15);  // White answers otherwise: a variation
    Play(game, 27, 21);
    return game;
}

TEST(GameTree, BranchingKeepsTheOldLineAsMainAndTheRecordFollowsTheNewOne) {
    Tjeu game = TwoLines();
    const int branch = game.Tree.Line()[1];
    ASSERT_EQ(game.Tree.ChildCount(branch), 2);
    const std::vector<int> children = game.Tree.Children(branch);
    EXPECT_EQ(game.Tree.Node(children[0]).Entry.From, 7);  // the old line stays first
    EXPECT_NE(game.Tree.Node(children[0]).FirstChild, kNoNode);
    EXPECT_EQ(game.Tree.ChildNumber(children[1]), 2);
    EXPECT_EQ(game.Current, 3);
    EXPECT_EQ(RecordedMoves(game), (std::vector<std::pair<int, int>>{{25, 19}, {9, 15}, {27, 21}}));
    ExpectConsistent(game);
    EXPECT_EQ(game.Tree.Size(), 7);
}

TEST(GameTree, PlayingTheRecordedMoveStepsForwardKeepingWhatFollows) {
    Tjeu game = TwoLines();
    game.GoToNode(game.Tree.Line()[1]);
    Play(game, 9, 15);
    EXPECT_EQ(game.Current, 2);
    EXPECT_EQ(RecordedMoves(game).size(), 3u);
    // Back into the old line by its own move: its continuation comes back with it.
    game.GoToNode(kRootNode);
    Play(game, 25, 19);
    Play(game, 7, 13);
    EXPECT_EQ(RecordedMoves(game),
              (std::vector<std::pair<int, int>>{{25, 19}, {7, 13}, {26, 20}, {8, 14}}));
    EXPECT_EQ(game.Tree.Size(), 7);
    ExpectConsistent(game);
}

TEST(GameTree, PromoteMakesTheLineMainAtEveryBranchAbove) {
    Tjeu game = TwoLines();
    Play(game, 10, 16);
    game.GoToNode(game.Tree.Line()[3]);
    Play(game, 11, 17);  // a variation inside the variation
    const int deep = game.CurrentNode();
    game.Tree.Promote(deep);
    game.GoToNode(kRootNode);
    EXPECT_EQ(game.Tree.Line().back(), deep);
    game.Tree.Promote(game.Tree.Children(game.Tree.Line()[1])[1]);  // the old line back
    game.GoToNode(kRootNode);
    EXPECT_EQ(RecordedMoves(game).size(), 4u);
    EXPECT_EQ(game.History[2].From, 7);
}

TEST(GameTree, DeletingKeepsTheBoardUnlessItStoodInWhatWasDropped) {
    Tjeu game = TwoLines();
    const int old_line = game.Tree.Children(game.Tree.Line()[1])[0];
    game.DeleteNode(old_line);  // not the line on the board
    EXPECT_EQ(game.Current, 3);
    EXPECT_EQ(game.Tree.Size(), 4);
    EXPECT_FALSE(game.Tree.Contains(old_line));
    ExpectConsistent(game);

    const int variation = game.Tree.Line()[2];
    game.DeleteNode(variation);  // the board stood after it: back to the branch
    EXPECT_EQ(game.Current, 1);
    EXPECT_EQ(RecordedMoves(game).size(), 1u);
    EXPECT_EQ(game.Tree.Size(), 2);
    ExpectConsistent(game);
    game.DeleteNode(kRootNode);  // never the start
    EXPECT_EQ(game.Tree.Size(), 2);
}

TEST(GameTree, AGameReadFromItsRecordIsOneLine) {
    Tjeu game = TwoLines();
    Tjeu read = game;
    read.AdoptRecord();
    EXPECT_EQ(read.Tree.Size(), 4);
    EXPECT_EQ(read.Tree.Line(), (std::vector<int>{0, 1, 2, 3}));
    GameTree copy = game.Tree;
    read.AdoptTree(copy);
    EXPECT_TRUE(SameTree(read.Tree, game.Tree));
    EXPECT_EQ(RecordedMoves(read),
              (std::vector<std::pair<int, int>>{{25, 19}, {7, 13}, {26, 20}, {8, 14}}));
    EXPECT_EQ(read.Current, 4);
    ExpectConsistent(read);
}

TEST(TreeEdits, EveryDeletionAndPromotionIsUndoneWithTheRecordConsistent) {
    Tjeu game = TwoLines();  // standing at the end of the variation, move 3
    const GameTree original = game.Tree;
    const int branch = game.Tree.Line()[1];
    const int variation = game.Tree.Line()[2];
    const int standing = game.CurrentNode();
    TreeEdits edits;
    // Each edit, then its undo: the same tree, the board where it stood, the record its line.
    const auto undo = [&](const char* edit) {
        ExpectConsistent(game);
        ASSERT_TRUE(edits.CanUndo(game)) << edit;
        ASSERT_TRUE(edits.Undo(game)) << edit;
        EXPECT_TRUE(SameTree(game.Tree, original)) << edit;
        EXPECT_EQ(game.CurrentNode(), standing) << edit;
        EXPECT_EQ(game.Current, 3) << edit;
        ExpectConsistent(game);
    };

    ASSERT_TRUE(edits.Promote(game, standing));
    EXPECT_EQ(game.Tree.Children(branch)[0], variation);
    EXPECT_EQ(game.Current, 3);
    undo("promote");

    EXPECT_FALSE(edits.DeleteVariation(game, game.Tree.Children(branch)[0]));  // the main line
    ASSERT_TRUE(edits.DeleteVariation(game, standing));  // from its first move
    EXPECT_EQ(game.Current, 1);                          // back to the branch point
    EXPECT_EQ(game.Tree.Size(), 5);
    undo("delete the variation");

    ASSERT_TRUE(edits.DeleteAfter(game, branch));
    EXPECT_EQ(game.Tree.Size(), 2);
    EXPECT_EQ(RecordedMoves(game).size(), 1u);
    undo("delete after");

    // Undone one by one, the latest first.
    ASSERT_TRUE(edits.SetComment(game, variation, "better"));
    ASSERT_TRUE(edits.SetMark(game, variation, MoveMark::kInteresting));
    ASSERT_TRUE(edits.Undo(game));
    EXPECT_EQ(game.Tree.Node(variation).Mark, MoveMark::kNone);
    EXPECT_EQ(game.Tree.Comment(variation), "better");
    undo("comment");
    EXPECT_FALSE(edits.CanUndo(game));

    // A move played since the edit: undoing would lose it, so nothing is undone.
    ASSERT_TRUE(edits.DeleteAfter(game, branch));
    Play(game, 9, 15);
    EXPECT_FALSE(edits.Undo(game));
    EXPECT_EQ(game.Tree.Size(), 3);
    ExpectConsistent(game);
}

TEST(TreeEdits, VariationKeysStepAmongTheAlternativesAtTheNearestBranch) {
    Tjeu game = TwoLines();
    const int branch = game.Tree.Line()[1];
    game.GoToNode(branch);
    Play(game, 11, 17);  // a third alternative
    const std::vector<int> moves = game.Tree.Children(branch);
    ASSERT_EQ(moves.size(), 3u);
    const int after_second = game.Tree.Node(moves[1]).FirstChild;  // no alternatives
    const GameTree& tree = game.Tree;
    struct Case {
        int node, next, expected;
    };
    const Case cases[] = {
        {moves[1], kNoNode, moves[1]},      // a move with alternatives: itself
        {after_second, kNoNode, moves[1]},  // further down its line: the nearest above
        {branch, moves[2], moves[2]},       // the branch point: the record's next move
        {kRootNode, branch, kNoNode},       // above every branch: none
    };
    for (const Case& c : cases) EXPECT_EQ(VariationKeyNode(tree, c.node, c.next), c.expected);
    EXPECT_EQ(SiblingMove(tree, moves[0], 1), moves[1]);
    EXPECT_EQ(SiblingMove(tree, moves[2], -2), moves[0]);
    EXPECT_EQ(SiblingMove(tree, moves[2], 1), kNoNode);
    EXPECT_EQ(VariationStart(tree, after_second), moves[1]);
    EXPECT_EQ(VariationStart(tree, tree.Node(moves[0]).FirstChild), kNoNode);
}

}  // namespace
}  // namespace circumvia
