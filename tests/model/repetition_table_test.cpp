// The repetition counts the search reads, walked forwards and back over a long record, against
// a full recount of the record.
#include <gtest/gtest.h>

#include <random>

#include "model/repetition_table.h"
#include "tests/model/board_fixtures.h"

namespace circumvia {
namespace {

using testing::Board;

// Entries cycling through a few positions in a random order, so that every position repeats
// many times; longer than the table's first room, so it has to grow while counting.
GameRecord RepeatingRecord(std::size_t entries) {
    GameRecord record;
    while (record.size() < entries) record.Grow();
    std::mt19937 random(7);
    for (std::size_t k = 0; k < entries; ++k) {
        const int red_cell = 1 + static_cast<int>(random() % 9);
        record.Set(k, HistoryEntry{Board({{red_cell, kRed}, {36, kWhite}}), kRed, 0, 0});
    }
    return record;
}

void ExpectCountsOfFirst(const RepetitionTable& table, const GameRecord& record, int count) {
    for (int k = 0; k < static_cast<int>(record.size()); ++k) {
        const auto at = static_cast<std::size_t>(k);
        ASSERT_EQ(table.Count(record.Key(at)), record.CountMatches(record[at].Cells, count))
            << "entry " << k << " after counting " << count;
    }
}

TEST(RepetitionTable, AdvancingInStepsCountsAsAFullRecount) {
    const GameRecord record = RepeatingRecord(900);
    RepetitionTable table;
    // Single steps, jumps, a step back and the whole record, as workers walk a game.
    for (const int count : {0, 1, 2, 40, 41, 300, 120, 121, 700, 900}) {
        table.Advance(record, count);
        ExpectCountsOfFirst(table, record, count);
    }
    RepetitionTable filled;
    filled.Fill(record, 500);
    ExpectCountsOfFirst(filled, record, 500);
}

}  // namespace
}  // namespace circumvia
