#include "dialogs/print/print_job.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFutureWatcher>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <memory>

#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::dialogs {

namespace {

constexpr int kRefreshMilliseconds = 100;

// What the worker and the window share: the worker writes the page count, the window
// the stop request.
struct JobState {
    std::atomic<int> done{0};
    std::atomic<bool> stop{false};
};

// The progress window. Cancel, Escape and the close button all ask the job to stop; the
// window closes only once the job has ended, so no half-finished job outlives it.
class ProgressWindow : public QDialog {
public:
    ProgressWindow(QWidget* parent, int page_count, JobState& state)
        : QDialog(parent), page_count_(page_count), state_(state) {
        setWindowTitle(QStringLiteral("Circumvia"));
        setModal(true);
        auto* column = new QVBoxLayout(this);
        label_ = new QLabel(this);
        label_->setTextFormat(Qt::PlainText);
        bar_ = new QProgressBar(this);
        bar_->setRange(0, page_count);
        auto* buttons = new QDialogButtonBox(this);
        cancel_ = buttons->addButton(
            QString::fromStdString(lang::Caption(lang::CaptionBase() + lang::caption::kCancelJob)),
            QDialogButtonBox::RejectRole);
        column->addWidget(label_);
        column->addWidget(bar_);
        column->addWidget(buttons);
        connect(cancel_, &QPushButton::clicked, this, &ProgressWindow::reject);
        Refresh();
    }

    void Refresh() {
        const int done = std::min(state_.done.load(), page_count_);
        bar_->setValue(done);
        label_->setText(QString::fromStdString(lang::FormatText(
            lang::LoadText(lang::message::kPrintingPage),
            {std::to_string(std::min(done + 1, page_count_)), std::to_string(page_count_)})));
    }

    void reject() override {
        state_.stop = true;
        cancel_->setEnabled(false);
    }

    void Finish() { QDialog::done(Accepted); }

private:
    int page_count_;
    JobState& state_;
    QLabel* label_ = nullptr;
    QProgressBar* bar_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

}  // namespace

std::error_code RunPageOutput(QWidget* parent, int page_count, const PageOutput& output) {
    if (page_count < kPagesInBackground) return output({});
    auto state = std::make_shared<JobState>();
    const PageProgress progress = [state](int done, int) {
        state->done = done;
        return !state->stop;
    };
    std::error_code result;
    ProgressWindow window(parent, page_count, *state);
    QFutureWatcher<void> watcher;
    QObject::connect(&watcher, &QFutureWatcher<void>::finished, &window, &ProgressWindow::Finish);
    QTimer refresh;
    QObject::connect(&refresh, &QTimer::timeout, &window, &ProgressWindow::Refresh);
    refresh.start(kRefreshMilliseconds);
    QFuture<void> job =
        QtConcurrent::run([&result, &output, progress] { result = output(progress); });
    watcher.setFuture(job);
    if (!job.isFinished()) window.exec();
    job.waitForFinished();
    return result;
}

}  // namespace circumvia::dialogs
