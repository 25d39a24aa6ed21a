#pragma once
// Sending a composed document to a printer, or to a PDF file, one sheet per page.

#include <QString>
#include <filesystem>
#include <functional>
#include <system_error>

#include "dialogs/print/print_document.h"
#include "model/file_io.h"

class QPagedPaintDevice;
class QPrinter;

namespace circumvia::dialogs {

inline constexpr char kPrintJobTitle[] = "Circumvia";

// Told before each page is drawn (`done` pages of `total` so far); false stops the output.
// Called on the thread that draws.
using PageProgress = std::function<bool(int done, int total)>;

// A4 portrait, the whole sheet addressable (the document carries its own margins), job
// title set. Call before the printer is shown to the user or started.
void PreparePrinter(QPrinter& printer);

// Every page, first to last, scaled from page units to the printer's resolution.
// False when the printer could not be started (nothing was printed) or when `progress`
// stopped it (the job is then aborted).
bool PrintPages(const PrintDocument& document, QPrinter& printer,
                const PageProgress& progress = {});

// The same pages as an A4 PDF file at 1200 dots per inch; needs no printer. Written the
// way a game is saved (see FileReplacement): on any failure, and when `progress` stops it
// (std::errc::operation_canceled), an older file is left as it was and nothing else stays.
WriteResult WritePdf(const PrintDocument& document, const std::filesystem::path& path,
                     const PageProgress& progress = {});
// The path a file dialog gave, byte for byte as the file system names it.
std::filesystem::path LocalPath(const QString& path);

}  // namespace circumvia::dialogs
