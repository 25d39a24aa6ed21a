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
    return analysis;
}

std::optional<MoveAnalysis> AnalysePosition(const GameRecord& record, int number, int depth,
                                            const ClassThresholds& thresholds,
                                            const std::atomic<bool>* cancel) {
    thread_local const std::unique_ptr<AnalysisSearch> search = std::make_unique<AnalysisSearch>();
    search->SetRecord(record, 0);  // the record may not be the one counted last
    return AnalysePosition(*search, record, number, depth, thresholds, cancel);
}

}  // namespace circumvia
