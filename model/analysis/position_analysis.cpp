#include "model/analysis/position_analysis.h"

#include <algorithm>
#include <memory>

#include "model/analysis/analysis_search.h"
#include "model/analysis/winning_chance.h"
#include "model/endgame/endgame_table.h"

namespace circumvia {

namespace {

// The table's verdict over the search's, where the table holds the position.
void JudgeExactly(const endgame::EndgameTable& table, const Position& before,
                  MoveAnalysis& analysis) {
    analysis.exact = JudgeByTable(table, before, analysis.mover, analysis.played);
    if (!analysis.exact) return;
    // The best move is the table's, the played one when it is as good.
    analysis.best = analysis.exact->played == analysis.exact->best
                        ? analysis.played
                        : table.BestMove(before, analysis.mover);
    analysis.move_class = ExactClass(*analysis.exact, analysis.forced, analysis.missed_win);
    const auto chance = [](const endgame::EndgameValue& value) {
        switch (value.outcome) {
            case endgame::Outcome::Win:
                return 1.0;
            case endgame::Outcome::Loss:
                return 0.0;
            case endgame::Outcome::Draw:
                break;
        }
        return 0.5;
    };
    analysis.chance_before = chance(analysis.exact->best);
    analysis.chance_after = chance(analysis.exact->played);
    // A blunder's loss at least a decisive lead's, as the summary of losses weighs it.
    analysis.loss =
        analysis.move_class == MoveClass::kBlunder ? std::max(analysis.loss, kDecisiveValue) : 0;
}

}  // namespace

MoveClass ChangeClassOf(const MoveAnalysis& move, const ClassThresholds& thresholds) {
    if (move.exact) return ExactClass(*move.exact, false, false);
    return LossClass(ChanceLoss(move.chance_before, move.chance_after), thresholds);
}

MoveClass MoveClassOf(const MoveAnalysis& move, const ClassThresholds& thresholds) {
    if (move.forced) return MoveClass::kForced;
    if (move.missed_win) return MoveClass::kMissedWin;
    return ChangeClassOf(move, thresholds);
}

int HorizonDepth(int depth, Side mover) {
    // Levels 0..depth expand, so the horizon is depth + 1 moves away: Red's to move there
    // when an even number of moves follows Red's, an odd number White's.
    const bool red_at_horizon = (depth % 2 == 1) == (mover == kRed);
    return red_at_horizon ? depth : std::max(depth - 1, 0);
}

int RecordedMoveCount(const GameRecord& record) {
    int count = 0;
    while (static_cast<std::size_t>(count + 1) < record.size() &&
           record[static_cast<std::size_t>(count + 1)].IsRecorded()) {
        ++count;
    }
    return count;
}

std::optional<MoveAnalysis> AnalysePosition(AnalysisSearch& search, const GameRecord& record,
                                            int number, int depth,
                                            const ClassThresholds& thresholds,
                                            const std::atomic<bool>* cancel,
                                            const endgame::EndgameTable* table) {
    // Entries are recorded from the first on: a recorded entry and the one before it stand
    // for a recorded move, without a walk over the record.
    const auto at = static_cast<std::size_t>(number);
    if (number < 1 || at >= record.size() || !record[at].IsRecorded() ||
        (number > 1 && !record[at - 1].IsRecorded())) {
        return std::nullopt;
    }
    const HistoryEntry& before = record[static_cast<std::size_t>(number - 1)];
    const HistoryEntry& entry = record[static_cast<std::size_t>(number)];
    MoveAnalysis analysis;
    analysis.number = number;
    analysis.mover = entry.Mover;
    analysis.played = Move{entry.From, entry.To};
    // The computer player moving from entry number - 1 counts the entries before it.
    search.AdvanceRecord(record, number - 1);
    RootValues values;
    if (!search.Analyse(before.Cells, analysis.mover, analysis.played, depth, values, cancel,
                        number)) {
        return std::nullopt;
    }
    analysis.best = values.best;
    analysis.value_best = values.value_best;
    analysis.value_played = values.value_played;
    analysis.loss = MoveLoss(values.value_best, values.value_played);
    analysis.forced = values.forced;
    analysis.missed_win = values.missed_win;
    analysis.best_drawn = values.best_drawn;
    analysis.played_drawn = values.played_drawn;
    analysis.best_moves_to_end = values.best_moves_to_end;
    analysis.played_moves_to_end = values.played_moves_to_end;
    analysis.chance_before = values.best_drawn ? 0.5 : WinningChance(values.value_best);
    analysis.chance_after = values.played_drawn ? 0.5 : WinningChance(values.value_played);
    analysis.move_class = MoveClassOf(analysis, thresholds);
    if (table) JudgeExactly(*table, before.Cells, analysis);
    return analysis;
}

std::optional<MoveAnalysis> AnalysePosition(const GameRecord& record, int number, int depth,
                                            const ClassThresholds& thresholds,
                                            const std::atomic<bool>* cancel,
                                            const endgame::EndgameTable* table) {
    thread_local const std::unique_ptr<AnalysisSearch> search = std::make_unique<AnalysisSearch>();
    search->SetRecord(record, 0);  // the record may not be the one counted last
    return AnalysePosition(*search, record, number, depth, thresholds, cancel, table);
}

}  // namespace circumvia
