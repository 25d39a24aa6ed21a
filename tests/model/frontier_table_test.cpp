// What the search keeps of a frontier node's leaves, and the answers it gives from them
// for any window and penalty.
#include <gtest/gtest.h>

#include "model/frontier_table.h"

namespace circumvia {
namespace {

// Leaves with the values 3, 1, 1, 10, 2, 2, 2, 2, 20, 0, 0, 0 before the penalty: rises at
// leaves 1, 4 and 9.
KnownLeaves TwelveLeaves() {
    KnownLeaves known;
    EXPECT_TRUE(known.AddRise(3, 1));
    EXPECT_TRUE(known.AddRise(10, 4));
    EXPECT_TRUE(known.AddRise(20, 9));
    known.Complete(12);
    return known;
}

FrontierAnswer AnswerOf(const KnownLeaves& known, Penalty penalty, int alpha, int beta) {
    FrontierAnswer answer;
    EXPECT_TRUE(known.Answer(penalty, alpha, beta, answer));
    return answer;
}

TEST(KnownLeaves, ACutOffNodeStopsAtTheFirstLeafReachingBeta) {
    const FrontierAnswer answer = AnswerOf(TwelveLeaves(), 0, -100, 5);
    EXPECT_EQ(answer.leaves, 4);
    EXPECT_EQ(answer.score, 10);
}

TEST(KnownLeaves, ANodeNotCutOffVisitsEveryLeafAndKeepsTheBetterOfAlphaAndItsBest) {
    const FrontierAnswer below_alpha = AnswerOf(TwelveLeaves(), 0, 30, 40);
    EXPECT_EQ(below_alpha.leaves, 12);
    EXPECT_EQ(below_alpha.score, 30);
    const FrontierAnswer above_alpha = AnswerOf(TwelveLeaves(), 0, -5, 25);
    EXPECT_EQ(above_alpha.leaves, 12);
    EXPECT_EQ(above_alpha.score, 20);
}

TEST(KnownLeaves, ThePenaltyRaisesEveryLeafAndSoCutsEarlier) {
    const FrontierAnswer answer = AnswerOf(TwelveLeaves(), 6, -100, 9);
    EXPECT_EQ(answer.leaves, 1);
    EXPECT_EQ(answer.score, 9);
}

TEST(KnownLeaves, AWinningLeafStaysTheWinScoreWhateverThePenalty) {
    KnownLeaves known;
    EXPECT_TRUE(known.AddRise(-4, 1));
    EXPECT_TRUE(known.AddRise(kWinScore, 2));
    known.Complete(5);
    const FrontierAnswer answer = AnswerOf(known, 1000, kLossScore, kWinScore);
    EXPECT_EQ(answer.leaves, 2);
    EXPECT_EQ(answer.score, kWinScore);
}

TEST(KnownLeaves, ANodeWithoutMovesKeepsItsScoreWithoutThePenaltyOrAlpha) {
    KnownLeaves known;
    EXPECT_TRUE(known.AddRise(-40, 0));
    known.Complete(0);
    const FrontierAnswer answer = AnswerOf(known, 7, 0, 10);
    EXPECT_EQ(answer.leaves, 0);
    EXPECT_EQ(answer.score, -40);
}

TEST(KnownLeaves, LeavesScoredOnlyUpToACutAnswerOnlyLowerBetas) {
    KnownLeaves known;
    EXPECT_TRUE(known.AddRise(3, 1));
    EXPECT_TRUE(known.AddRise(10, 4));
    FrontierAnswer answer;
    EXPECT_TRUE(known.Answer(0, -100, 8, answer));
    EXPECT_EQ(answer.leaves, 4);
    EXPECT_FALSE(known.Answer(0, -100, 11, answer));
}

TEST(KnownLeaves, RisesBeyondTheRoomKeptEndTheRisesAndAllLeavesAreNoLongerKnown) {
    KnownLeaves known;
    for (int k = 0; k < KnownLeaves::kMaxRises; ++k) EXPECT_TRUE(known.AddRise(k, k + 1));
    EXPECT_FALSE(known.AddRise(100, 50));
    FrontierAnswer answer;
    EXPECT_TRUE(known.Answer(0, -100, KnownLeaves::kMaxRises - 1, answer));
    EXPECT_EQ(answer.leaves, KnownLeaves::kMaxRises);
    EXPECT_FALSE(known.Answer(0, -100, 101, answer));
}

TEST(KnownLeaves, NumbersTooLargeToKeepAreRefusedAndNeverAnsweredWrongly) {
    KnownLeaves known;
    EXPECT_TRUE(known.AddRise(3, 1));
    EXPECT_FALSE(known.AddRise(40000, 2));  // a penalty this large never arises in a game
    FrontierAnswer answer;
    EXPECT_FALSE(known.Answer(0, -100, 40000, answer));

    KnownLeaves many;
    EXPECT_TRUE(many.AddRise(3, 1));
    many.Complete(300);  // more leaves than a slot counts
    EXPECT_FALSE(many.Answer(0, -100, 4, answer));
    EXPECT_TRUE(many.Answer(0, -100, 3, answer));
    EXPECT_EQ(answer.leaves, 1);
}

TEST(FrontierTable, FindsANodeOnlyForItsSideAndWithinItsGeneration) {
    FrontierTable table;
    table.NewGeneration();
    constexpr PositionKey kKey = 123456789;
    table.Store(kKey, kRed, TwelveLeaves());
    FrontierAnswer answer;
    EXPECT_TRUE(table.Answer(kKey, kRed, 0, -100, 5, answer));
    EXPECT_EQ(answer.leaves, 4);
    EXPECT_FALSE(table.Answer(kKey, kWhite, 0, -100, 5, answer));
    EXPECT_FALSE(table.Answer(kKey + 1, kRed, 0, -100, 5, answer));
    table.NewGeneration();
    EXPECT_FALSE(table.Answer(kKey, kRed, 0, -100, 5, answer));
}

TEST(FrontierTable, KeepsManyNodesAtOnceAndWhatIsLastKnownOfEach) {
    FrontierTable table;
    table.NewGeneration();
    for (PositionKey key = 1; key <= 1000; ++key) {
        KnownLeaves known;
        EXPECT_TRUE(known.AddRise(static_cast<int>(key % 50), 1));
        table.Store(key, kWhite, known);
    }
    KnownLeaves more;
    EXPECT_TRUE(more.AddRise(7, 1));
    EXPECT_TRUE(more.AddRise(60, 3));
    more.Complete(4);
    table.Store(500, kWhite, more);
    int found = 0;
    FrontierAnswer answer;
    for (PositionKey key = 1; key <= 1000; ++key) {
        found += table.Answer(key, kWhite, 0, -100, static_cast<int>(key % 50), answer);
    }
    EXPECT_GT(found, 990);
    ASSERT_TRUE(table.Answer(500, kWhite, 0, -100, 100, answer));
    EXPECT_EQ(answer.leaves, 4);
    EXPECT_EQ(answer.score, 60);
}

}  // namespace
}  // namespace circumvia
