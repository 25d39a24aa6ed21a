#include "model/analysis/position_analysis.h"

#include <algorithm>
#include <memory>

#include "model/analysis/analysis_search.h"
#include "model/endgame/endgame_table.h"

namespace circumvia {

namespace {

// The table's verdict over the search's, where the table holds the position.
void JudgeExactly(const endgame::EndgameTable& table, const Position& before,
                  const ClassThresholds& thresholds, MoveAnalysis& analysis) {
    analysis.exact = JudgeByTable(table, before, analysis.mover, analysis.played);
    if (!analysis.exact) return;
    // The best move is the table's, the played one when it is as good.
    analysis.best = analysis.exact->played == analysis.exact->best
                        ? analysis.played
                        : table.BestMove(before, analysis.mover);
    analysis.move_class = ExactClass(*analysis.exact, analysis.forced, analysis.missed_win);
    analysis.loss = analysis.move_class == MoveClass::kBlunder
                        ? std::max(analysis.loss, thresholds.blunder)
                        : 0;
}

}  // namespace

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
    if (!search.Analyse(before.Cells, analysis.mover, analysis.played, depth, values, cancel)) {
        return std::nullopt;
    }
    analysis.best = values.best;
    analysis.value_best = values.value_best;
    analysis.value_played = values.value_played;
    analysis.loss = MoveLoss(values.value_best, values.value_played);
    analysis.forced = values.forced;
    analysis.missed_win = values.missed_win;
    analysis.move_class = Classify(analysis.loss, analysis.forced, analysis.missed_win, thresholds);
    if (table) JudgeExactly(*table, before.Cells, thresholds, analysis);
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
