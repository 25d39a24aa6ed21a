#pragma once
// The player's own mistakes to practise: each a position from one of their games, the move
// they played there and the better one to find. They come back spaced: a position answered
// right waits longer each time (a day, then three, a week...), one answered wrong is due
// again at once, after the others already due. Times are seconds since the epoch, passed
// in, so the order depends on nothing but the calls.
//
// Kept as one line of text; entries that cannot be read are dropped, and the list is
// bounded: when it is full, the position best learned gives way to the new one.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/board.h"
#include "model/move.h"

namespace circumvia {

inline constexpr std::size_t kMostPracticeItems = 200;
inline constexpr std::int64_t kSecondsPerDay = 24 * 60 * 60;

struct PracticeItem {
    Position position;
    Side side = kRed;
    Move answer;  // the better move
    Move played;  // the player's own move
    int box = 0;  // right answers in a row
    std::int64_t due = 0;
    std::int64_t added = 0;
    bool operator==(const PracticeItem&) const = default;
};

class PracticeList {
public:
    static PracticeList FromText(std::string_view text);
    std::string Text() const;

    // A mistake met `now`: due at once; false when nothing changed. The same position is
    // held once: the same move there again (the same game analysed again) leaves it as it
    // is, another move takes its place and starts over.
    bool Add(const Position& position, Side side, Move answer, Move played, std::int64_t now);
    // The position to pose `now`: of those due, the one due earliest (on a tie the first
    // in the list: added first, or answered wrong longest ago); nullopt when none is due.
    std::optional<std::size_t> Next(std::int64_t now) const;
    // Counts an answer to item `index` given `now`.
    void Answer(std::size_t index, bool right, std::int64_t now);
    std::size_t DueCount(std::int64_t now) const;

    const std::vector<PracticeItem>& Items() const { return items_; }

    // The wait after `box` right answers in a row.
    static std::int64_t GapAfter(int box);

private:
    std::vector<PracticeItem> items_;
};

}  // namespace circumvia
