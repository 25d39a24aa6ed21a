#pragma once
// Printing or writing a long record off the UI thread, behind a small modal window that
// shows which page is being drawn and stops the job on Cancel.

#include <functional>
#include <system_error>

#include "dialogs/print/print_output.h"

class QWidget;

namespace circumvia::dialogs {

// Documents shorter than this are drawn at once: they take well under a second.
inline constexpr int kPagesInBackground = 20;

using PageOutput = std::function<std::error_code(const PageProgress& progress)>;

// Runs `output` for a document of `page_count` pages and returns its result once it has
// finished or been stopped (std::errc::operation_canceled). A long document runs on a
// worker thread while the progress window, owned by `parent`, keeps the user from
// starting anything else; a short one runs here.
std::error_code RunPageOutput(QWidget* parent, int page_count, const PageOutput& output);

}  // namespace circumvia::dialogs
