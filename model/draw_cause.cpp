#include "model/draw_cause.h"

#include "model/record_review.h"

namespace circumvia {

DrawReason ReasonOfDraw(const Tjeu& game) {
    // The null move is the entry after the last recorded move, with no mover and the board
    // unchanged; a side without pieces on both sides cannot come from a move.
    const int last = LastRecordedEntry(game);
    const auto next = static_cast<std::size_t>(last + 1);
    const GameRecord& record = game.History;
    if (next < record.size()) {
        const HistoryEntry& entry = record[next];
        const HistoryEntry& before = record[next - 1];
        if (entry.Mover == 0 && entry.Cells == before.Cells &&
            entry.Cells.Count(kEmpty) < kCellCount) {
            // With no move before it, the side that was to move at the start; the null move
            // has passed the turn since.
            const Side side =
                before.IsRecorded() ? Opponent(before.Mover) : Opponent(game.SideToMove);
            return {DrawCause::kNoMove, side};
        }
    }
    // As EndTest judges after the last move: the position before it stood four times before.
    if (last >= kFirstRepetitionMove &&
        record.CountMatches(record[static_cast<std::size_t>(last - 1)].Cells, last - 1) >=
            kRepetitionsForDraw) {
        return {DrawCause::kRepetition, 0};
    }
    return {};
}

}  // namespace circumvia
