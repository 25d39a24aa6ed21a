#include "dialogs/print/print_output.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <cstdio>

namespace circumvia::dialogs {

void PreparePrinter(QPrinter& printer) {
    printer.setDocName(QString::fromLatin1(kPrintJobTitle));
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

bool PrintPages(const PrintDocument& document, QPrinter& printer) {
    if (document.pages.empty()) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double scale = static_cast<double>(printer.resolution()) / document.units_per_inch;
    for (int page = 0; page < static_cast<int>(document.pages.size()); ++page) {
        if (page > 0 && !printer.newPage()) return false;
        DrawPage(painter, document, page, scale);
    }
    return painter.end();
}

bool WritePdf(const PrintDocument& document, const QString& path) {
    // The pages go to a fresh file beside the target, which replaces the target only once
    // complete: a failure never leaves a half-written file in place of an older one.
    const QFileInfo target(path);
    // A write-protected file stays as it is, though its folder would let it be replaced.
    if (target.exists() && !target.isWritable()) return false;
    QTemporaryFile partial(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                           QStringLiteral(".XXXXXX"));
    if (!partial.open()) return false;
    partial.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(partial.fileName());
    PreparePrinter(printer);
    if (!PrintPages(document, printer)) return false;
    if (QFileInfo(partial.fileName()).size() == 0) return false;
    // A temporary file is private to its owner; a saved document is not.
    partial.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                           QFileDevice::ReadGroup | QFileDevice::ReadOther);
    if (std::rename(QFile::encodeName(partial.fileName()).constData(),
                    QFile::encodeName(target.absoluteFilePath()).constData()) != 0)
        return false;
    partial.setAutoRemove(false);  // it is the target now
    return true;
}

}  // namespace circumvia::dialogs
