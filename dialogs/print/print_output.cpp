#include "dialogs/print/print_output.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "model/file_io.h"

namespace circumvia::dialogs {

namespace {

constexpr int kPdfDotsPerInch = 1200;

// The PDF writer's output, handed to a file replacement as it comes. The first failed
// write is kept and fails every later one, so the writer stops at a full disk.
class ReplacementDevice : public QIODevice {
public:
    explicit ReplacementDevice(FileReplacement& replacement) : replacement_(replacement) {}
    std::error_code Error() const { return error_; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (!error_) {
            error_ = replacement_.Write(std::span(reinterpret_cast<const std::uint8_t*>(data),
                                                  static_cast<std::size_t>(size)));
        }
        return error_ ? -1 : size;
    }

private:
    FileReplacement& replacement_;
    std::error_code error_;
};

// Draws every page on `device`, `scale` device pixels per page unit; false when stopped.
bool PaintPages(const PrintDocument& document, QPagedPaintDevice& device, QPainter& painter,
                double scale, const PageProgress& progress) {
    for (int page = 0; page < document.page_count; ++page) {
        if (progress && !progress(page, document.page_count)) return false;
        if (page > 0 && !device.newPage()) return false;
        DrawPage(painter, document, page, scale);
    }
    if (progress) progress(document.page_count, document.page_count);
    return true;
}

}  // namespace

void PreparePrinter(QPrinter& printer) {
    printer.setDocName(QString::fromLatin1(kPrintJobTitle));
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
}

bool PrintPages(const PrintDocument& document, QPrinter& printer, const PageProgress& progress) {
    if (document.page_count == 0) return false;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    const double scale = static_cast<double>(printer.resolution()) / document.units_per_inch;
    if (!PaintPages(document, printer, painter, scale, progress)) {
        printer.abort();
        return false;
    }
    return painter.end();
}

WriteResult WritePdf(const PrintDocument& document, const std::filesystem::path& path,
                     const PageProgress& progress) {
    if (document.page_count == 0) return {std::make_error_code(std::errc::invalid_argument)};
    FileReplacement replacement(path);
    if (const std::error_code error = replacement.Begin()) return {error};
    ReplacementDevice device(replacement);
    device.open(QIODevice::WriteOnly);
    bool finished = false;
    {
        QPdfWriter writer(&device);
        writer.setTitle(QString::fromLatin1(kPrintJobTitle));
        writer.setCreator(QString::fromLatin1(kPrintJobTitle));
        writer.setResolution(kPdfDotsPerInch);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) return {std::make_error_code(std::errc::io_error)};
        const double scale = static_cast<double>(kPdfDotsPerInch) / document.units_per_inch;
        // A failed write (a full disk) stops the drawing at the next page.
        const PageProgress going_on = [&](int done, int total) {
            return !device.Error() && (!progress || progress(done, total));
        };
        finished = PaintPages(document, writer, painter, scale, going_on);
        painter.end();  // writes the rest of the file
    }
    if (device.Error()) return {device.Error()};
    if (!finished) return {std::make_error_code(std::errc::operation_canceled)};
    return {replacement.Commit()};
}

std::filesystem::path LocalPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace circumvia::dialogs
