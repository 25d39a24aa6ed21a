// The record of the game: playing a move into it, the end-of-game test, repetitions, and
// stepping back and forward between the decisions of human players.
#include "tjeu.h"

#include <algorithm>

namespace circumvia {

namespace {

const HistoryEntry kClearedEntry{};

}  // namespace

const HistoryEntry& Tjeu::EntryAt(int k) const {
    if (k < 0 || static_cast<std::size_t>(k) >= History.size()) return kClearedEntry;
    return History[static_cast<std::size_t>(k)];
}

void Tjeu::CountPieces() {
    Players[kRed].Pieces = Pos.Count(kRed);
    Players[kWhite].Pieces = Pos.Count(kWhite);
}

void Tjeu::ApplyMove(Position& position, int from, int to) {
    if (Result != kInProgress) return;
    if (from < 0 || from > kCellCount || to < 0 || to > kCellCount) return;
    const bool is_current = &position == &Pos;
    // A record read from a damaged file may have no place for the move.
    if (is_current && Current < 0) return;
    const bool null_move = from == 0 || to == 0;
    if (!null_move) {
        position[to] = position[from];
        position[from] = kEmpty;
    }
    if (!is_current) return;
    ++Current;
    CountPieces();
    SideToMove = Opponent(SideToMove);
    const auto index = static_cast<std::size_t>(Current);
    while (History.size() <= index + 1) History.Grow();
    const std::uint8_t mover = null_move ? 0 : Pos[to];
    History.Set(index, HistoryEntry{Pos, mover, static_cast<std::uint8_t>(from),
                                    static_cast<std::uint8_t>(to)});
    History.ClearAfter(index);
    // Every other line from here stays in the tree; the record follows the one played.
    if (Tree.PlayAt(Current, History[index]) != kNoNode) WriteLineFrom(Current + 1);
    EndTest();
    if (null_move) Result = kDrawn;
}

void Tjeu::EndTest() {
    Result = kInProgress;
    CountPieces();
    const int red = Players[kRed].Pieces;
    const int white = Players[kWhite].Pieces;
    if (white == 0 && red > 0) {
        Result = kRedWon;
    } else if (red == 0 && white > 0) {
        Result = kWhiteWon;
    } else if (red == 0 && white == 0) {
        Result = kDrawn;
    } else if (Current >= kFirstRepetitionMove) {
        // The position before the last move, against the entries before it.
        const int before_last = Current - 1;
        if (History.CountMatches(EntryAt(before_last).Cells, before_last) >= kRepetitionsForDraw) {
            Result = kDrawn;
        }
    }
}

int Tjeu::RepetitionCount(const Position& cells) const {
    return History.CountMatches(cells, Current);
}

bool Tjeu::IsHumanMove(int k) const {
    const HistoryEntry& entry = EntryAt(k);
    return entry.IsRecorded() && !IsComputer(Players[entry.Mover].Kind);
}

// The computer's moves are undone together with the human decision before them.
int Tjeu::StepBackTarget(int current) const {
    int i = current - 1;
    while (i > 0 && EntryAt(i).IsRecorded() && !IsHumanMove(i)) --i;
    // Landing needs a recorded move at i: its mover is the side to move again.
    if (i <= 0 || !EntryAt(i).IsRecorded()) return -1;
    return i;
}

// Replays the next human move together with the replies stored after it.
int Tjeu::StepForwardTarget(int current) const {
    int i = current + 1;
    while (EntryAt(i).IsRecorded() && !IsHumanMove(i)) ++i;
    if (!IsHumanMove(i)) return -1;
    // Entry i + 1 is cleared when nobody has replied to that human move yet (or holds the
    // null move that ended the game): landing there would load an empty board or reopen a
    // game that has no next move, so the step is refused.
    if (!EntryAt(i + 1).IsRecorded()) return -1;
    return i;
}

bool Tjeu::CanStepBack() const {
    return StepBackTarget(Current) >= 0;
}
bool Tjeu::CanStepForward() const {
    return StepForwardTarget(Current) >= 0;
}

std::vector<int> Tjeu::StepStops() const {
    // A step lands on Current = target -/+ 1 and looks only at the record and the players'
    // kinds, so the stops can be walked without moving.
    // Gathered backwards and turned round once: inserting at the front would cost the
    // whole list at every stop of a long game.
    std::vector<int> stops;
    for (int at = Current, i = StepBackTarget(at); i >= 0; i = StepBackTarget(at)) {
        at = i - 1;
        stops.push_back(at);
    }
    std::reverse(stops.begin(), stops.end());
    stops.push_back(Current);
    for (int at = Current, i = StepForwardTarget(at); i >= 0; i = StepForwardTarget(at)) {
        at = i + 1;
        stops.push_back(at);
    }
    return stops;
}

void Tjeu::StepBack() {
    const int i = StepBackTarget(Current);
    if (i < 0) return;
    Current = i - 1;
    Pos = EntryAt(Current).Cells;
    SideToMove = EntryAt(i).Mover;
    EndTest();
}

void Tjeu::StepForward() {
    const int i = StepForwardTarget(Current);
    if (i < 0) return;
    Current = i + 1;
    Pos = EntryAt(Current).Cells;
    SideToMove = EntryAt(i).Mover;
    EndTest();
}

}  // namespace circumvia
