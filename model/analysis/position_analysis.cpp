#include "model/analysis/position_analysis.h"

#include <memory>

#include "model/analysis/analysis_search.h"

namespace circumvia {

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
                                            const std::atomic<bool>* cancel) {
    if (number < 1 || number > RecordedMoveCount(record)) return std::nullopt;
    const HistoryEntry& before = record[static_cast<std::size_t>(number - 1)];
    const HistoryEntry& entry = record[static_cast<std::size_t>(number)];
    MoveAnalysis analysis;
    analysis.number = number;
    analysis.mover = entry.Mover;
    analysis.played = Move{entry.From, entry.To};
    // The computer player moving from entry number - 1 counts the entries before it.
    search.SetRecord(record, number - 1);
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
    return analysis;
}

std::optional<MoveAnalysis> AnalysePosition(const GameRecord& record, int number, int depth,
                                            const ClassThresholds& thresholds,
                                            const std::atomic<bool>* cancel) {
    thread_local const std::unique_ptr<AnalysisSearch> search = std::make_unique<AnalysisSearch>();
    return AnalysePosition(*search, record, number, depth, thresholds, cancel);
}

}  // namespace circumvia
