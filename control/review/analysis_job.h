#pragma once
// The analysis of a game run off the user-interface thread: a copy of the record is
// analysed on a pool thread (which spreads the positions over every core), progress comes
// back as signals on the window's thread, and Cancel stops the workers within milliseconds.
// Destroying the job cancels it and waits for its thread, so no work outlives the window.

#include <QFutureWatcher>
#include <QObject>
#include <atomic>
#include <memory>

#include "model/analysis/game_analysis.h"

namespace circumvia::control {

class AnalysisJob : public QObject {
    Q_OBJECT
public:
    explicit AnalysisJob(QObject* parent = nullptr);
    ~AnalysisJob() override;

    // Brings `known` up to `record` (the moves it holds are kept); false when a run is
    // already under way.
    bool Start(const GameRecord& record, const GameAnalysis& known);
    void Cancel();
    bool Running() const { return running_; }
    // Blocks until the run under way has ended (its Finished signal still to come).
    void Wait();

Q_SIGNALS:
    // `done` of `total` moves analysed; on the window's thread.
    void Progress(int done, int total);
    // The analysis as far as it got; `completed` false when cancelled.
    void Finished(const circumvia::GameAnalysis& analysis, bool completed);

private:
    struct Outcome {
        GameAnalysis analysis;
        bool completed = false;
    };
    void Done();

    std::atomic<bool> cancel_{false};
    QFutureWatcher<Outcome> watcher_;
    bool running_ = false;
};

}  // namespace circumvia::control
