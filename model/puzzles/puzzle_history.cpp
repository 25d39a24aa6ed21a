#include "model/puzzles/puzzle_history.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "model/position_text.h"
#include "model/puzzles/stored_fields.h"
#include "model/rating/elo_update.h"

namespace circumvia {

namespace {

// A rating is held within what attempts could reach; a count within what it can hold.
constexpr double kLowestSolverRating = -10000;
constexpr double kHighestSolverRating = 10000;
constexpr int kMostCount = 1000000000;
constexpr char kSection = '/';
constexpr char kEntry = ',';
constexpr char kField = ':';

template <typename Number>
std::optional<Number> Read(std::string_view text, Number low, Number high) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (!(value >= low && value <= high)) return std::nullopt;
    return value;
}

bool IsKey(std::string_view key) {
    return key.size() == kCellCount + 1 && ParsePositionText(key.substr(0, kCellCount)) &&
           (key.back() == '0' + kRed || key.back() == '0' + kWhite);
}

}  // namespace

std::string PuzzleKey(const Puzzle& puzzle) {
    return PositionText(puzzle.position) + static_cast<char>('0' + puzzle.side);
}

PuzzleHistory PuzzleHistory::FromText(std::string_view text) {
    PuzzleHistory history;
    history.rating_ = rating::kNewPlayerRating;
    const std::vector<std::string_view> sections = SplitFields(text, kSection);
    if (sections.size() != 4) return history;
    const auto rating = Read<double>(sections[0], kLowestSolverRating, kHighestSolverRating);
    const auto attempts = Read<int>(sections[1], 0, kMostCount);
    if (!rating || !attempts) return history;
    history.rating_ = *rating;
    history.attempts_ = *attempts;
    for (std::string_view entry : SplitFields(sections[2], kEntry)) {
        const std::vector<std::string_view> fields = SplitFields(entry, kField);
        if (fields.size() != 2 || !IsKey(fields[0]) || !Read<int>(fields[1], 0, 1)) continue;
        history.recent_.push_back({std::string(fields[0]), fields[1] == "1"});
    }
    for (std::string_view entry : SplitFields(sections[3], kEntry)) {
        const std::vector<std::string_view> fields = SplitFields(entry, kField);
        if (fields.size() != 3 || !IsKey(fields[0])) continue;
        const auto learned = Read<int>(fields[1], kLowestPuzzleRating, kMostCount);
        const auto tried = Read<int>(fields[2], 0, kMostCount);
        if (!learned || !tried || history.Find(std::string(fields[0]))) continue;
        history.learned_.push_back({std::string(fields[0]), *learned, *tried});
    }
    // Only the newest of a list too long for the bounds (a hand-edited text) are kept.
    const auto trim = [](auto& list, std::size_t most) {
        if (list.size() > most) list.erase(list.begin(), list.end() - static_cast<long>(most));
    };
    trim(history.recent_, kMostRecentAttempts);
    trim(history.learned_, kMostLearnedPuzzles);
    return history;
}

std::string PuzzleHistory::Text() const {
    char rating[32];
    const auto end = std::to_chars(rating, rating + sizeof rating, std::round(rating_ * 10) / 10);
    std::string text(rating, end.ptr);
    text += kSection + std::to_string(attempts_) + kSection;
    for (std::size_t i = 0; i < recent_.size(); ++i) {
        if (i > 0) text += kEntry;
        text += recent_[i].key + kField + (recent_[i].solved ? '1' : '0');
    }
    text += kSection;
    for (std::size_t i = 0; i < learned_.size(); ++i) {
        if (i > 0) text += kEntry;
        text += learned_[i].key + kField + std::to_string(learned_[i].rating) + kField +
                std::to_string(learned_[i].attempts);
    }
    return text;
}

const PuzzleHistory::LearnedRating* PuzzleHistory::Find(const std::string& key) const {
    const auto found = std::find_if(learned_.begin(), learned_.end(),
                                    [&](const LearnedRating& entry) { return entry.key == key; });
    return found == learned_.end() ? nullptr : &*found;
}

Puzzle PuzzleHistory::Learned(const Puzzle& shipped) const {
    Puzzle puzzle = shipped;
    if (const LearnedRating* learned = Find(PuzzleKey(shipped))) {
        puzzle.rating = learned->rating;
        puzzle.attempts = std::max(puzzle.attempts, learned->attempts);
    }
    return puzzle;
}

std::set<int> PuzzleHistory::RecentlySeen(const std::vector<Puzzle>& puzzles) const {
    std::set<std::string> keys;
    for (const PuzzleAttemptRecord& attempt : recent_) keys.insert(attempt.key);
    std::set<int> seen;
    for (int i = 0; i < static_cast<int>(puzzles.size()); ++i) {
        if (keys.contains(PuzzleKey(puzzles[static_cast<std::size_t>(i)]))) seen.insert(i);
    }
    return seen;
}

AttemptRatings PuzzleHistory::Record(const Puzzle& puzzle, bool solved) {
    const Puzzle learned = Learned(puzzle);
    const AttemptRatings after = RateAttempt(rating_, attempts_, learned, solved);
    rating_ = std::clamp(after.solver, kLowestSolverRating, kHighestSolverRating);
    attempts_ = std::min(attempts_ + 1, kMostCount);
    const std::string key = PuzzleKey(puzzle);
    std::erase_if(learned_, [&](const LearnedRating& entry) { return entry.key == key; });
    learned_.push_back({key, after.puzzle, std::min(learned.attempts + 1, kMostCount)});
    if (learned_.size() > kMostLearnedPuzzles) learned_.erase(learned_.begin());
    recent_.push_back({key, solved});
    if (recent_.size() > kMostRecentAttempts) recent_.erase(recent_.begin());
    return after;
}

}  // namespace circumvia
