#include "model/puzzles/practice_list.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "model/movegen.h"
#include "model/notation.h"
#include "model/position_text.h"
#include "model/puzzles/puzzle.h"
#include "model/puzzles/stored_fields.h"

namespace circumvia {

namespace {

constexpr std::array<int, 7> kGapDays = {1, 3, 7, 16, 35, 75, 160};
constexpr int kHighestBox = static_cast<int>(kGapDays.size());
// Far beyond any clock, within what the text's numbers hold.
constexpr std::int64_t kLatestTime = std::int64_t{1} << 50;
constexpr char kEntry = ',';
constexpr char kField = ':';

std::optional<std::int64_t> ReadNumber(std::string_view text, std::int64_t low, std::int64_t high) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

bool IsLegal(const Position& position, Side side, Move move) {
    if (!IsCell(move.From) || position[move.From] != side) return false;
    const Tlcoup moves = ListDestinations(move.From, position);
    return std::find(moves.begin(), moves.end(), move) != moves.end();
}

std::optional<PracticeItem> ReadItem(std::string_view entry) {
    const std::vector<std::string_view> fields = SplitFields(entry, kField);
    if (fields.size() != 7) return std::nullopt;
    const std::optional<Position> position = ParsePositionText(fields[0]);
    const auto side = ReadNumber(fields[1], kRed, kWhite);
    const std::optional<Move> answer = ParseMoveText(fields[2]);
    const std::optional<Move> played = ParseMoveText(fields[3]);
    const auto box = ReadNumber(fields[4], 0, kHighestBox);
    const auto due = ReadNumber(fields[5], 0, kLatestTime);
    const auto added = ReadNumber(fields[6], 0, kLatestTime);
    if (!position || !side || !answer || !played || !box || !due || !added) return std::nullopt;
    PracticeItem item{*position, static_cast<Side>(*side), *answer,
                      *played,   static_cast<int>(*box),   *due,
                      *added};
    if (!IsLegal(item.position, item.side, item.answer)) return std::nullopt;
    return item;
}

}  // namespace

std::int64_t PracticeList::GapAfter(int box) {
    return kGapDays[static_cast<std::size_t>(std::clamp(box, 1, kHighestBox) - 1)] * kSecondsPerDay;
}

PracticeList PracticeList::FromText(std::string_view text) {
    PracticeList list;
    for (std::string_view entry : SplitFields(text, kEntry)) {
        if (list.items_.size() == kMostPracticeItems) break;
        if (std::optional<PracticeItem> item = ReadItem(entry)) list.items_.push_back(*item);
    }
    return list;
}

std::string PracticeList::Text() const {
    std::string text;
    for (const PracticeItem& item : items_) {
        if (!text.empty()) text += kEntry;
        text += PositionText(item.position) + kField + std::to_string(item.side) + kField +
                CompactMoveText(item.answer) + kField + CompactMoveText(item.played) + kField +
                std::to_string(item.box) + kField + std::to_string(item.due) + kField +
                std::to_string(item.added);
    }
    return text;
}

bool PracticeList::Add(const Position& position, Side side, Move answer, Move played,
                       std::int64_t now) {
    if (!IsLegal(position, side, answer)) return false;
    const PracticeItem fresh{position, side, answer, played, 0, now, now};
    const auto same = std::find_if(items_.begin(), items_.end(), [&](const PracticeItem& item) {
        return item.position == position && item.side == side;
    });
    if (same != items_.end()) {
        if (same->played == played) return false;
        *same = fresh;
        return true;
    }
    if (items_.size() == kMostPracticeItems) {
        // The best learned gives way, the oldest of them first.
        const auto learned = std::max_element(
            items_.begin(), items_.end(), [](const PracticeItem& a, const PracticeItem& b) {
                return a.box != b.box ? a.box < b.box : a.added > b.added;
            });
        items_.erase(learned);
    }
    items_.push_back(fresh);
    return true;
}

std::optional<std::size_t> PracticeList::Next(std::int64_t now) const {
    std::optional<std::size_t> next;
    for (std::size_t i = 0; i < items_.size(); ++i) {
        const PracticeItem& item = items_[i];
        if (item.due > now) continue;
        if (!next || item.due < items_[*next].due) next = i;
    }
    return next;
}

void PracticeList::Answer(std::size_t index, bool right, std::int64_t now) {
    if (index >= items_.size()) return;
    PracticeItem& item = items_[index];
    item.box = right ? std::min(item.box + 1, kHighestBox) : 0;
    item.due = right ? now + GapAfter(item.box) : now;
    // Wrong: last in the list, so it comes after every other position due as early.
    if (!right)
        std::rotate(items_.begin() + static_cast<long>(index),
                    items_.begin() + static_cast<long>(index) + 1, items_.end());
}

std::size_t PracticeList::DueCount(std::int64_t now) const {
    return static_cast<std::size_t>(std::count_if(
        items_.begin(), items_.end(), [&](const PracticeItem& item) { return item.due <= now; }));
}

}  // namespace circumvia
