// The game record: playing moves into it, the end of the game, repetitions, growth, and
// stepping back and forward between human decisions.
#include <gtest/gtest.h>

#include <vector>

#include "model/tjeu.h"
#include "tests/model/board_fixtures.h"
#include "tests/model/game_fixtures.h"

namespace circumvia {
namespace {

using testing::Board;
using testing::Play;

// Red steps 25->19 and back, White 7->13 and back: the start position returns every
// four moves.
void PlayShuffle(Tjeu& game, int moves) {
    static constexpr int kCycle[4][2] = {{25, 19}, {7, 13}, {19, 25}, {13, 7}};
    for (int n = 0; n < moves; ++n) {
        const int k = game.Current % 4;
        Play(game, kCycle[k][0], kCycle[k][1]);
    }
}

TEST(ApplyMove, FirstMoveIsRecordedAsEntryOne) {
    Tjeu game;
    Play(game, 26, 20);
    EXPECT_EQ(game.Current, 1);
    EXPECT_EQ(game.SideToMove, kWhite);
    EXPECT_EQ(game.Pos[20], kRed);
    EXPECT_EQ(game.Pos[26], kEmpty);
    EXPECT_EQ(game.History[1], (HistoryEntry{game.Pos, kRed, 26, 20}));
    EXPECT_EQ(game.History[2], HistoryEntry{});
    EXPECT_EQ(game.History[0].Cells, Position::Start());
    EXPECT_EQ(game.Result, kInProgress);
}

TEST(ApplyMove, OnAnotherPositionOnlyMovesThePiece) {
    Tjeu game;
    Position copy = game.Pos;
    game.ApplyMove(copy, 26, 20);
    EXPECT_EQ(copy[20], kRed);
    EXPECT_EQ(game.Pos, Position::Start());
    EXPECT_EQ(game.Current, 0);
    EXPECT_EQ(game.SideToMove, kRed);
    EXPECT_EQ(game.History[1], HistoryEntry{});
}

TEST(ApplyMove, CaptureRecountsPiecesAndTakingTheLastPieceWins) {
    Tjeu game;
    game.Pos = Board({{2, kRed}, {33, kRed}, {35, kWhite}});
    game.History.Set(0, HistoryEntry{game.Pos, 0, 0, 0});
    Play(game, 2, 35);
    EXPECT_EQ(game.Players[kRed].Pieces, 2);
    EXPECT_EQ(game.Players[kWhite].Pieces, 0);
    EXPECT_EQ(game.Result, kRedWon);

    // The game is over: nothing changes any more, not even the record.
    const Position before = game.Pos;
    Play(game, 33, 27);
    Play(game, 0, 0);
    EXPECT_EQ(game.Pos, before);
    EXPECT_EQ(game.Current, 1);
    EXPECT_EQ(game.History[2], HistoryEntry{});
}

TEST(ApplyMove, LosingTheLastPieceMeansWhiteWins) {
    Tjeu game;
    game.Pos = Board({{2, kWhite}, {35, kRed}});
    game.SideToMove = kWhite;
    Play(game, 2, 35);
    EXPECT_EQ(game.Result, kWhiteWon);
}

TEST(ApplyMove, NullMoveRecordsTheSamePositionAndDraws) {
    Tjeu game;
    Play(game, 26, 20);
    Play(game, 0, 0);
    EXPECT_EQ(game.Current, 2);
    EXPECT_EQ(game.History[2].Cells, game.History[1].Cells);
    EXPECT_EQ(game.History[2].Mover, 0);
    EXPECT_EQ(game.SideToMove, kRed);
    EXPECT_EQ(game.Result, kDrawn);
}

TEST(ApplyMove, IgnoresCellsOutsideTheBoard) {
    Tjeu game;
    Play(game, 25, 37);
    Play(game, -1, 19);
    EXPECT_EQ(game.Pos, Position::Start());
    EXPECT_EQ(game.Current, 0);
}

TEST(ApplyMove, RecordGrowsBeforeItRunsOutAndLosesNothing) {
    // Red walks a loop of twelve cells, White one of seven: within 130 moves no position
    // is seen more than twice, far from the repetition draw.
    static constexpr int kRedLoop[] = {1, 2, 3, 4, 5, 6, 12, 11, 10, 9, 8, 7};
    static constexpr int kWhiteLoop[] = {19, 20, 21, 22, 28, 27, 26};
    Tjeu game;
    game.Pos = Board({{1, kRed}, {19, kWhite}});
    game.History.Set(0, HistoryEntry{game.Pos, 0, 0, 0});
    std::vector<Position> played{game.Pos};
    for (int n = 0; n < 130; ++n) {
        const std::size_t size_before = game.History.size();
        const int k = n / 2;
        if (n % 2 == 0) {
            Play(game, kRedLoop[k % 12], kRedLoop[(k + 1) % 12]);
        } else {
            Play(game, kWhiteLoop[k % 7], kWhiteLoop[(k + 1) % 7]);
        }
        ASSERT_EQ(game.Result, kInProgress) << game.Current;
        played.push_back(game.Pos);
        EXPECT_EQ(game.History.size(), game.Current < 99    ? 100u
                                       : game.Current < 119 ? 120u
                                                            : 140u)
            << game.Current << " grown from " << size_before;
    }
    for (int k = 0; k <= game.Current; ++k) {
        EXPECT_EQ(game.History[k].Cells, played[k]) << k;
        EXPECT_EQ(game.History[k].IsRecorded(), k > 0) << k;
    }
    EXPECT_EQ(game.History[game.Current + 1], HistoryEntry{});
}

TEST(Repetition, ThreeEarlierSightingsAreNotEnoughFourDraw) {
    Tjeu game;
    // The cycle repeats every four moves; after move 16 the position before the last move
    // (entry 15) has been seen three times before, after move 17 (entry 16) four times.
    PlayShuffle(game, 16);
    EXPECT_EQ(game.Result, kInProgress);
    PlayShuffle(game, 1);
    EXPECT_EQ(game.Current, 17);
    EXPECT_EQ(game.Result, kDrawn);
}

TEST(Repetition, NothingIsLookedForBeforeMoveSix) {
    Tjeu game;
    for (int k = 0; k <= 6; ++k) game.History.Set(k, HistoryEntry{game.Pos, kRed, 0, 0});
    game.Current = 5;  // entry 4 matches entries 0..3: four sightings, but too early
    game.EndTest();
    EXPECT_EQ(game.Result, kInProgress);
    game.Current = 6;
    game.EndTest();
    EXPECT_EQ(game.Result, kDrawn);
}

TEST(Repetition, CountLeavesOutTheCurrentEntry) {
    Tjeu game;
    PlayShuffle(game, 4);                          // back at the start position, entry 4
    EXPECT_EQ(game.RepetitionCount(game.Pos), 1);  // entry 0 only
    PlayShuffle(game, 4);
    EXPECT_EQ(game.RepetitionCount(game.Pos), 2);
    EXPECT_EQ(game.RepetitionCount(Board({{1, kRed}})), 0);
}

TEST(Repetition, CountsBoardsWithUnusualCellValuesExactly) {
    Tjeu game;
    Position odd = Position::Start();
    odd[18] = 7;
    Position other = odd;
    other[18] = 9;
    game.History.Set(1, HistoryEntry{odd, kRed, 0, 0});
    game.History.Set(2, HistoryEntry{other, kWhite, 0, 0});
    game.Current = 3;
    EXPECT_EQ(game.RepetitionCount(odd), 1);
    EXPECT_EQ(game.RepetitionCount(other), 1);
}

// Human Red against the computer as White.
Tjeu HumanAgainstComputer(int moves) {
    Tjeu game;  // Red human, White level 3
    static constexpr int kMoves[][2] = {{26, 20}, {8, 14}, {27, 21}, {9, 15}, {28, 22}, {10, 16}};
    for (int n = 0; n < moves; ++n) Play(game, kMoves[n][0], kMoves[n][1]);
    return game;
}

TEST(Navigation, HumanAgainstComputerStepsOverTheReply) {
    Tjeu game = HumanAgainstComputer(4);
    const Position after_two = game.History[2].Cells;
    const Position after_four = game.Pos;
    ASSERT_TRUE(game.CanStepBack());
    EXPECT_FALSE(game.CanStepForward());

    game.StepBack();
    EXPECT_EQ(game.Current, 2);
    EXPECT_EQ(game.SideToMove, kRed);
    EXPECT_EQ(game.Pos, after_two);
    EXPECT_TRUE(game.CanStepForward());

    game.StepForward();
    EXPECT_EQ(game.Current, 4);
    EXPECT_EQ(game.SideToMove, kRed);
    EXPECT_EQ(game.Pos, after_four);
}

TEST(Navigation, BackIsUnavailableUntilTheComputerHasReplied) {
    Tjeu game = HumanAgainstComputer(1);
    EXPECT_FALSE(game.CanStepBack());
    game.StepBack();
    EXPECT_EQ(game.Current, 1);
    Play(game, 8, 14);
    ASSERT_TRUE(game.CanStepBack());
    game.StepBack();
    EXPECT_EQ(game.Current, 0);
    EXPECT_EQ(game.Pos, Position::Start());
    EXPECT_EQ(game.SideToMove, kRed);
    EXPECT_FALSE(game.CanStepBack());
}

TEST(Navigation, TwoHumansGoBackTwoMovesAndKeepTheSideToMove) {
    Tjeu game = HumanAgainstComputer(5);
    game.Players[kWhite].Kind = kHuman;
    ASSERT_EQ(game.SideToMove, kWhite);
    game.StepBack();
    EXPECT_EQ(game.Current, 3);
    EXPECT_EQ(game.SideToMove, kWhite);
    game.StepBack();
    EXPECT_EQ(game.Current, 1);
    EXPECT_EQ(game.SideToMove, kWhite);
    game.StepForward();
    game.StepForward();
    EXPECT_EQ(game.Current, 5);
    EXPECT_EQ(game.SideToMove, kWhite);
}

TEST(Navigation, TwoComputersFindNoEntryEitherWay) {
    Tjeu game = HumanAgainstComputer(6);
    game.Players[kRed].Kind = 2;
    game.Players[kWhite].Kind = 5;
    EXPECT_FALSE(game.CanStepBack());
    EXPECT_FALSE(game.CanStepForward());
    game.StepBack();
    game.StepForward();
    EXPECT_EQ(game.Current, 6);
}

TEST(Navigation, SteppingBackFromAFinishedGameReopensIt) {
    Tjeu game = HumanAgainstComputer(2);
    Play(game, 0, 0);  // the human has no move in this made-up end
    ASSERT_EQ(game.Result, kDrawn);
    ASSERT_TRUE(game.CanStepBack());
    game.StepBack();
    EXPECT_EQ(game.Result, kInProgress);
    EXPECT_EQ(game.Current, 0);

    // Human Red takes White's last piece, then steps back over it and the reply before it.
    Tjeu won;
    won.Pos = Board({{2, kRed}, {33, kRed}, {34, kWhite}});
    won.History.Set(0, HistoryEntry{won.Pos, 0, 0, 0});
    Play(won, 33, 27);
    Play(won, 34, 35);
    Play(won, 2, 35);
    ASSERT_EQ(won.Result, kRedWon);
    ASSERT_TRUE(won.CanStepBack());
    won.StepBack();
    EXPECT_EQ(won.Result, kInProgress);
    EXPECT_EQ(won.Current, 0);
    EXPECT_EQ(won.SideToMove, kRed);
    won.StepForward();  // the win is replayed only up to the human's decision
    EXPECT_EQ(won.Current, 2);
    EXPECT_EQ(won.Result, kInProgress);
}

TEST(Navigation, PlayingAfterStepBackDiscardsTheReplayableMoves) {
    Tjeu game = HumanAgainstComputer(6);
    game.StepBack();
    ASSERT_EQ(game.Current, 4);
    ASSERT_TRUE(game.CanStepForward());
    Play(game, 29, 23);
    EXPECT_EQ(game.Current, 5);
    EXPECT_EQ(game.History[6], HistoryEntry{});
    EXPECT_FALSE(game.CanStepForward());
    game.StepForward();
    EXPECT_EQ(game.Current, 5);
}

TEST(Navigation, ForwardIsRefusedWhenTheComputerHasNotRepliedYet) {
    // The human has moved (entry 3) and the computer has not replied: back returns to the
    // start, forward to move 2; one more forward would land on the cleared entry 4.
    Tjeu game = HumanAgainstComputer(3);
    game.StepBack();
    ASSERT_EQ(game.Current, 0);
    game.StepForward();
    ASSERT_EQ(game.Current, 2);
    EXPECT_FALSE(game.CanStepForward());
    const Position before = game.Pos;
    game.StepForward();
    EXPECT_EQ(game.Current, 2);
    EXPECT_EQ(game.Pos, before);
    EXPECT_EQ(game.SideToMove, kRed);
    EXPECT_EQ(game.Pos.Count(kRed), 12);
}

TEST(Navigation, ForwardDoesNotLandOnTheNullMoveThatEndedTheGame) {
    Tjeu game = HumanAgainstComputer(3);
    Play(game, 0, 0);  // the computer had no move: drawn
    game.StepBack();
    ASSERT_EQ(game.Current, 2);
    EXPECT_FALSE(game.CanStepForward());
    game.StepForward();
    EXPECT_EQ(game.Current, 2);
    EXPECT_EQ(game.Result, kInProgress);
}

TEST(Navigation, BackNeverLandsOnAnEntryWithoutMover) {
    // A damaged record: a null-move entry in the middle of the game.
    Tjeu game = HumanAgainstComputer(4);
    game.History.Set(3, HistoryEntry{game.History[2].Cells, 0, 0, 0});
    game.Current = 4;
    EXPECT_FALSE(game.CanStepBack());
    game.StepBack();
    EXPECT_EQ(game.Current, 4);
    EXPECT_TRUE(game.SideToMove == kRed || game.SideToMove == kWhite);
}

TEST(Navigation, StepStopsAreExactlyWhereRepeatedStepsLand) {
    struct Case {
        const char* name;
        int moves, back_steps, white_kind, red_kind;
        std::vector<int> stops;
    };
    const Case cases[] = {
        {"human against computer, at the end", 6, 0, 3, kHuman, {0, 2, 4, 6}},
        {"human against computer, stepped back", 6, 2, 3, kHuman, {0, 2, 4, 6}},
        {"the computer has not replied yet", 5, 0, 3, kHuman, {0, 2, 5}},
        {"two humans", 5, 0, kHuman, kHuman, {1, 3, 5}},
        {"two computers", 6, 0, 2, 4, {6}},
    };
    for (const Case& c : cases) {
        Tjeu game = HumanAgainstComputer(c.moves);
        game.Players[kWhite].Kind = c.white_kind;
        game.Players[kRed].Kind = c.red_kind;
        for (int i = 0; i < c.back_steps; ++i) game.StepBack();
        const std::vector<int> stops = game.StepStops();
        EXPECT_EQ(stops, c.stops) << c.name;
        // Stepping one at a time visits the same values.
        std::vector<int> walked{game.Current};
        for (Tjeu back = game; back.CanStepBack();) {
            back.StepBack();
            walked.insert(walked.begin(), back.Current);
        }
        for (Tjeu forward = game; forward.CanStepForward();) {
            forward.StepForward();
            walked.push_back(forward.Current);
        }
        EXPECT_EQ(walked, stops) << c.name;
    }
}

TEST(Navigation, ARecordWithANegativeCurrentIsLeftAlone) {
    Tjeu game;
    game.Current = -3;
    EXPECT_FALSE(game.CanStepBack());
    EXPECT_FALSE(game.CanStepForward());
    game.StepBack();
    game.StepForward();
    Play(game, 26, 20);
    EXPECT_EQ(game.Current, -3);
    EXPECT_EQ(game.Pos, Position::Start());
}

}  // namespace
}  // namespace circumvia
