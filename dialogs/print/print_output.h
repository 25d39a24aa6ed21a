#pragma once
// Sending a composed document to a printer, or to a PDF file, one sheet per page.

#include <QString>

#include "dialogs/print/print_document.h"

class QPrinter;

namespace circumvia::dialogs {

inline constexpr char kPrintJobTitle[] = "Circumvia";

// A4 portrait, the whole sheet addressable (the document carries its own margins), job
// title set. Call before the printer is shown to the user or started.
void PreparePrinter(QPrinter& printer);

// Every page, first to last, scaled from page units to the printer's resolution.
// False when the printer could not be started (nothing was printed).
bool PrintPages(const PrintDocument& document, QPrinter& printer);

// The same pages as an A4 PDF file at the printer's full resolution; needs no printer.
// False when the file could not be written; an older file is then left as it was, and a
// write-protected one is never replaced.
bool WritePdf(const PrintDocument& document, const QString& path);

}  // namespace circumvia::dialogs
