#include "control/review/analysis_job.h"

#include <QtConcurrent/QtConcurrentRun>

#include "model/endgame/table_location.h"

namespace circumvia::control {

AnalysisJob::AnalysisJob(QObject* parent) : QObject(parent) {
    connect(&watcher_, &QFutureWatcher<Outcome>::finished, this, &AnalysisJob::Done);
}

AnalysisJob::~AnalysisJob() {
    Cancel();
    Wait();
}

bool AnalysisJob::Start(const GameRecord& record, const GameAnalysis& known) {
    if (running_) return false;
    running_ = true;
    cancel_ = false;
    // The worker reports through a queued signal: `this` outlives the run (see ~AnalysisJob).
    auto report = [this](int done, int total) { Q_EMIT Progress(done, total); };
    watcher_.setFuture(QtConcurrent::run([this, record, known, report] {
        Outcome outcome{known, false};
        AnalysisRun run;
        run.progress = report;
        run.cancel = &cancel_;
        run.table = endgame::InstalledTable();
        outcome.completed = ExtendAnalysis(record, outcome.analysis, run);
        return outcome;
    }));
    return true;
}

void AnalysisJob::Cancel() {
    cancel_ = true;
}

void AnalysisJob::Wait() {
    watcher_.waitForFinished();
}

void AnalysisJob::Done() {
    running_ = false;
    const Outcome outcome = watcher_.result();
    Q_EMIT Finished(outcome.analysis, outcome.completed);
}

}  // namespace circumvia::control
