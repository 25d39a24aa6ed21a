// A long print or PDF job off the window's thread: its result handed back, its progress
// reaching the window, and Cancel stopping it. Under the thread sanitizer (scripts/sanitize
// thread) these are the handover's checks.
#include "dialogs/print/print_job.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <chrono>
#include <thread>

namespace circumvia::dialogs {
namespace {

TEST(PrintJob, ALongDocumentIsDrawnOffThisThreadAndAShortOneHere) {
    const std::thread::id window_thread = std::this_thread::get_id();
    for (const int pages : {kPagesInBackground - 1, kPagesInBackground + 30}) {
        std::thread::id drawn_on;
        int last_page = 0;
        const std::error_code result =
            RunPageOutput(nullptr, pages, [&](const PageProgress& progress) {
                drawn_on = std::this_thread::get_id();
                for (int page = 1; page <= pages; ++page) {
                    if (progress && !progress(page, pages))
                        return make_error_code(std::errc::operation_canceled);
                    last_page = page;
                }
                return make_error_code(std::errc::no_space_on_device);
            });
        EXPECT_EQ(result, std::errc::no_space_on_device) << pages << " pages";
        EXPECT_EQ(last_page, pages);
        EXPECT_EQ(drawn_on == window_thread, pages < kPagesInBackground) << pages << " pages";
    }
}

TEST(PrintJob, CancelStopsTheJobAtItsNextPage) {
    QTimer::singleShot(200, [] {
        if (auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            window->reject();
    });
    int pages_drawn = 0;
    const std::error_code result =
        RunPageOutput(nullptr, 1000000, [&](const PageProgress& progress) {
            for (int page = 1;; ++page) {
                if (!progress(page, 1000000)) return make_error_code(std::errc::operation_canceled);
                pages_drawn = page;
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
    EXPECT_EQ(result, std::errc::operation_canceled);
    EXPECT_LT(pages_drawn, 1000000);
}

}  // namespace
}  // namespace circumvia::dialogs
