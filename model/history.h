#pragma once
// The game record: one entry per move, entry 0 being the start position.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "board.h"
#include "position_key.h"

namespace circumvia {

struct HistoryEntry {
    Position Cells;          // the board after the move
    std::uint8_t Mover = 0;  // side that made the move; 0 in the start entry and for a null move
    std::uint8_t From = 0;
    std::uint8_t To = 0;

    // Entries from 1 up to the first unrecorded one form the recorded game.
    bool IsRecorded() const { return Mover == kRed || Mover == kWhite; }
    bool operator==(const HistoryEntry&) const = default;
};

// Storage of the record. Entries are only changed through this interface so that
// anything derived from them (the key of each entry's cells) stays in step.
class GameRecord {
public:
    // Room the record starts with; it grows by kGrowth whenever a move needs it.
    static constexpr std::size_t kInitialSize = 100;
    static constexpr std::size_t kGrowth = 20;

    GameRecord() { Reset(); }

    // kInitialSize cleared entries.
    void Reset();
    std::size_t size() const { return entries_.size(); }
    const HistoryEntry& operator[](std::size_t k) const { return entries_[k]; }
    // KeyOf(entry k's Cells), kept with the entry.
    PositionKey Key(std::size_t k) const { return keys_[k]; }

    // Entries 0..end-1 whose Cells equal `cells` (end is cut to the record's size). Compares
    // keys, and cells only where the key alone cannot tell.
    int CountMatches(const Position& cells, int end) const;

    void Set(std::size_t k, const HistoryEntry& entry);
    // Appends kGrowth cleared entries.
    void Grow();
    // Clears every entry after k.
    void ClearAfter(std::size_t k);

private:
    std::vector<HistoryEntry> entries_;
    std::vector<PositionKey> keys_;
};

}  // namespace circumvia
