// The player's own mistakes to practise and the solver's puzzle history: the order
// positions come back in, the bound on the list, and what survives the settings text.
#include <gtest/gtest.h>

#include "model/movegen.h"
#include "model/position_text.h"
#include "model/puzzles/practice_list.h"
#include "model/puzzles/puzzle_history.h"
#include "model/rating/elo_update.h"

namespace circumvia {
namespace {

constexpr char kBoard[] = "BBB_BB__B__BBBBBR___RRR_R_R___RRR_RR";

// A position of its own for each `n` (a Red piece and a White one), with Red's first move.
struct Mistake {
    Position position;
    Move answer;
};
Mistake MistakeNumber(int n) {
    Mistake mistake;
    mistake.position[1 + n % kCellCount] = kRed;
    mistake.position[1 + (n / kCellCount + 1 + n % kCellCount) % kCellCount] = kWhite;
    mistake.answer = ListDestinations(1 + n % kCellCount, mistake.position).at(0);
    return mistake;
}

void AddMistake(PracticeList& list, int n, std::int64_t now) {
    const Mistake mistake = MistakeNumber(n);
    list.Add(mistake.position, kRed, mistake.answer, mistake.answer, now);
}

// Which of the first mistakes (by number) the list poses next.
int NextNumber(const PracticeList& list, std::int64_t now) {
    const std::optional<std::size_t> next = list.Next(now);
    if (!next) return -1;
    for (int n = 0; n < 10; ++n) {
        if (list.Items()[*next].position == MistakeNumber(n).position) return n;
    }
    return -2;
}

TEST(PracticeList, RightAnswersWaitLongerAndAWrongOneComesBackAfterTheOthersDue) {
    PracticeList list;
    const std::int64_t start = 1'000'000;
    for (int n = 0; n < 3; ++n) AddMistake(list, n, start);
    const auto answer = [&](int n, bool right, std::int64_t now) {
        ASSERT_EQ(NextNumber(list, now), n);
        list.Answer(*list.Next(now), right, now);
    };
    answer(0, true, start);
    answer(1, false, start);  // due again at once, but after 2
    answer(2, true, start);
    answer(1, true, start);
    EXPECT_EQ(NextNumber(list, start), -1);
    EXPECT_EQ(list.DueCount(start + kSecondsPerDay - 1), 0u);

    // A day on, all three are due in the order they were answered; right twice running
    // waits longer than once, and wrong starts again.
    const std::int64_t day = start + kSecondsPerDay;
    EXPECT_EQ(list.DueCount(day), 3u);
    answer(0, true, day);
    answer(2, false, day);
    answer(1, true, day);
    answer(2, true, day);
    EXPECT_EQ(list.Items()[0].due - day, PracticeList::GapAfter(2));
    EXPECT_GT(PracticeList::GapAfter(2), PracticeList::GapAfter(1));
    EXPECT_EQ(list.DueCount(day + PracticeList::GapAfter(1)), 1u);    // only 2, right once
    EXPECT_EQ(NextNumber(list, day + PracticeList::GapAfter(2)), 2);  // due the earliest

    // The same mistake again (the game analysed again) changes nothing; another move in the
    // same position starts over, without a second entry.
    const Mistake again = MistakeNumber(0);
    EXPECT_FALSE(list.Add(again.position, kRed, again.answer, again.answer, day));
    EXPECT_EQ(NextNumber(list, day), -1);
    EXPECT_TRUE(list.Add(again.position, kRed, again.answer, Move{1, 2}, day));
    EXPECT_EQ(list.Items().size(), 3u);
    EXPECT_EQ(NextNumber(list, day), 0);
}

TEST(PracticeList, StaysBoundedDroppingTheBestLearnedAndSurvivesItsText) {
    PracticeList list;
    for (int n = 0; n < static_cast<int>(kMostPracticeItems); ++n) AddMistake(list, n, n);
    list.Answer(5, true, 1000);  // number 5 learned once
    AddMistake(list, 500, 2000);
    ASSERT_EQ(list.Items().size(), kMostPracticeItems);
    EXPECT_EQ(list.Items()[0].position, MistakeNumber(0).position);  // the oldest stays
    EXPECT_NE(list.Items()[5].position, MistakeNumber(5).position);

    EXPECT_EQ(PracticeList::FromText(list.Text()).Items(), list.Items());
    // A damaged entry, an answer that is not Red's move and junk are dropped, nothing else.
    const std::string good = PracticeList::FromText(list.Text()).Text().substr(0, 45);
    const std::string text = PositionText(MistakeNumber(1).position) +
                             ":1:" + CompactMoveText(MistakeNumber(1).answer) + ":A1-A2:0:5:5," +
                             PositionText(MistakeNumber(2).position) +
                             ":1:" + CompactMoveText(MistakeNumber(5).answer) + ":A1-A2:0:5:5," +
                             "junk,::::::," + good + ",";
    const PracticeList read = PracticeList::FromText(text);
    ASSERT_EQ(read.Items().size(), 1u);
    EXPECT_EQ(read.Items()[0].position, MistakeNumber(1).position);
}

TEST(PuzzleHistory, KeepsBothRatingsAcrossAttemptsAndItsText) {
    std::optional<Puzzle> puzzle = ParsePuzzleText(std::string(kBoard) + "\t1\tC5-C4\t1300\t0");
    ASSERT_TRUE(puzzle.has_value());
    PuzzleHistory history = PuzzleHistory::FromText("");
    EXPECT_EQ(history.Rating(), rating::kNewPlayerRating);
    const AttemptRatings first = history.Record(*puzzle, true);
    EXPECT_GT(first.solver, rating::kNewPlayerRating);
    EXPECT_LT(first.puzzle, 1300);

    // The second attempt starts from what the first left: the puzzle's learned rating, the
    // solver's one attempt.
    PuzzleHistory read = PuzzleHistory::FromText(history.Text());
    EXPECT_EQ(read.Learned(*puzzle).rating, first.puzzle);
    EXPECT_EQ(read.Learned(*puzzle).attempts, 1);
    Puzzle learned = *puzzle;
    learned.rating = first.puzzle;
    learned.attempts = 1;
    const AttemptRatings second = read.Record(*puzzle, false);
    const AttemptRatings expected = RateAttempt(first.solver, 1, learned, false);
    EXPECT_NEAR(second.solver, expected.solver, 0.1);
    EXPECT_EQ(second.puzzle, expected.puzzle);
    EXPECT_EQ(read.Attempts(), 2);
    EXPECT_EQ(read.RecentlySeen({Puzzle{}, *puzzle}), (std::set<int>{1}));
    EXPECT_EQ(read.Recent().back(), (PuzzleAttemptRecord{PuzzleKey(*puzzle), false}));

    // A damaged text gives a new solver, not an error; a damaged entry is dropped alone.
    EXPECT_EQ(PuzzleHistory::FromText("1500/x/junk").Attempts(), 0);
    const PuzzleHistory partly = PuzzleHistory::FromText(
        "1450/3/junk:1," + PuzzleKey(*puzzle) + ":1/" + PuzzleKey(*puzzle) + ":99999999999:1");
    EXPECT_EQ(partly.Rating(), 1450);
    EXPECT_EQ(partly.Recent().size(), 1u);
    EXPECT_EQ(partly.Learned(*puzzle).rating, 1300);
}

}  // namespace
}  // namespace circumvia
