#include "model/analysis/reply_line.h"

#include <algorithm>
#include <memory>

#include "model/analysis/analysis_search.h"
#include "model/movegen.h"

namespace circumvia {

namespace {

// The search's best move at each turn from `position`, `side` to move, down to `plies` moves.
void ExtendLine(AnalysisSearch& search, Position position, Side side, int depth, int plies,
                std::vector<Move>& line) {
    for (int ply = 0; ply < plies; ++ply) {
        if (position.Count(kRed) == 0 || position.Count(kWhite) == 0) break;
        RootValues values;
        // No move is played here: the search names the best one.
        search.Analyse(position, side, Move{}, std::max(depth - 1 - ply, 0), values);
        if (!values.has_moves || values.best.IsNull()) break;
        line.push_back(values.best);
        ApplyMoveTo(position, values.best);
        side = Opponent(side);
    }
}

bool IsLegal(const Position& position, Side side, Move move) {
    const Tlcoup moves = ListAllMoves(position, side);
    return std::find(moves.begin(), moves.end(), move) != moves.end();
}

}  // namespace

std::vector<Move> BetterLine(const GameRecord& record, int number, Move best, int depth,
                             int plies) {
    std::vector<Move> line;
    const auto at = static_cast<std::size_t>(number);
    if (number < 1 || at >= record.size() || !record[at].IsRecorded() || plies < 1) return line;
    const Side mover = record[at].Mover;
    Position position = record[at - 1].Cells;
    if (best.IsNull() || !IsLegal(position, mover, best)) return line;
    line.push_back(best);
    ApplyMoveTo(position, best);
    const auto search = std::make_unique<AnalysisSearch>();
    // The line's positions are counted against the record before the move, as the best
    // move's own search counted them.
    search->SetRecord(record, number);
    ExtendLine(*search, position, Opponent(mover), depth, plies - 1, line);
    return line;
}

std::vector<Move> PunishingLine(const GameRecord& record, int number, int depth, int plies) {
    std::vector<Move> line;
    const auto at = static_cast<std::size_t>(number);
    if (number < 1 || at >= record.size() || !record[at].IsRecorded()) return line;
    const auto search = std::make_unique<AnalysisSearch>();
    // The positions of the line are counted against the record up to the move, as the
    // move's own search counted them.
    search->SetRecord(record, number);
    Position position = record[at].Cells;
    Side side = Opponent(record[at].Mover);
    for (int ply = 0; ply < plies; ++ply) {
        if (position.Count(kRed) == 0 || position.Count(kWhite) == 0) break;
        RootValues values;
        // No move is played here: the search names the best one.
        search->Analyse(position, side, Move{}, std::max(depth - 1 - ply, 0), values);
        if (!values.has_moves || values.best.IsNull()) break;
        line.push_back(values.best);
        ApplyMoveTo(position, values.best);
        side = Opponent(side);
    }
    return line;
}

}  // namespace circumvia
