#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include "dialogs/print/print_layout.h"
#include "dialogs/print/print_output.h"
#include "tests/dialogs/print_fixtures.h"
#include "tests/support/hostile_targets.h"

namespace circumvia::dialogs {
namespace {

using testing::CountPixels;
using testing::GameOfMoves;
using testing::IsPureRed;

// The "Pages:" line of pdfinfo, or -1.
int PdfPageCount(const QString& path) {
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    if (!info.waitForFinished(20000) || info.exitCode() != 0) return -1;
    for (const QByteArray& line : info.readAllStandardOutput().split('\n')) {
        if (line.startsWith("Pages:")) return line.mid(6).trimmed().toInt();
    }
    return -1;
}

// Page `page` (1 first) of the PDF as a picture at `dpi`.
QImage PdfPage(const QString& path, int page, int dpi, const QDir& folder) {
    const QString stem = folder.filePath(QStringLiteral("page"));
    QProcess render;
    render.start(QStringLiteral("pdftoppm"),
                 {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                  QString::number(page), QStringLiteral("-l"), QString::number(page),
                  QStringLiteral("-singlefile"), QStringLiteral("-png"), path, stem});
    if (!render.waitForFinished(20000) || render.exitCode() != 0) return {};
    return QImage(stem + QStringLiteral(".png"));
}

TEST(PrintPdf, SixtyMoveGameGivesThreeA4PagesWithDiagramsWhereTheLayoutPutsThem) {
    if (QPicture().logicalDpiY() != 96) GTEST_SKIP() << "screen is not at 96 per inch";
    const QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("game.pdf"));
    const Tjeu game = GameOfMoves(60);
    ASSERT_TRUE(WritePdf(ComposePrintDocument(QImage(), game), LocalPath(path)));
    ASSERT_EQ(PdfPageCount(path), 3);

    // At 96 dots per inch a PNG pixel is a page unit.
    const PrintLayout layout = LayOutPrint(A4Portrait(96), 60);
    for (int page = 1; page <= 3; ++page) {
        const QImage image = PdfPage(path, page, 96, QDir(folder.path()));
        ASSERT_FALSE(image.isNull()) << "page " << page;
        EXPECT_NEAR(image.width(), 794, 1);
        EXPECT_NEAR(image.height(), 1123, 1);
        for (const DiagramSlot& slot : layout.diagrams) {
            if (slot.page != page - 1) continue;
            const QRect square(slot.x, slot.y, kDiagramSize, kDiagramSize);
            EXPECT_GT(CountPixels(image, square, IsPureRed), 40) << "move " << slot.move;
            // Nothing of a diagram spills into the gap before the next one below it.
            EXPECT_EQ(CountPixels(image, QRect(slot.x + 5, slot.y + 64, 50, 3), IsPureRed), 0)
                << "move " << slot.move;
        }
    }
}

TEST(PrintPdf, APathThatCannotBeWrittenFailsAndLeavesNothingBehind) {
    const QTemporaryDir folder;
    const QDir dir(folder.path());
    ASSERT_TRUE(dir.mkdir(QStringLiteral("taken.pdf")));
    const PrintDocument document = ComposePrintDocument(QImage(), GameOfMoves(3));
    EXPECT_FALSE(WritePdf(document, LocalPath(dir.filePath(QStringLiteral("missing/out.pdf")))));
    EXPECT_FALSE(WritePdf(document, LocalPath(dir.filePath(QStringLiteral("taken.pdf")))));
    EXPECT_EQ(dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
              QStringList{QStringLiteral("taken.pdf")});
}

TEST(PrintPdf, WritingOverAnOlderFileReplacesItWholeAndReadably) {
    const QTemporaryDir folder;
    const QString path = QDir(folder.path()).filePath(QStringLiteral("old.pdf"));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("not a pdf");
    }
    ASSERT_TRUE(WritePdf(ComposePrintDocument(QImage(), GameOfMoves(25)), LocalPath(path)));
    EXPECT_EQ(PdfPageCount(path), 2);
    EXPECT_TRUE(QFile::permissions(path) & QFileDevice::ReadOther);
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

// The export replaces files exactly as the game save does, and stops on request.
TEST(PrintPdf, HandlesEveryHostileTargetLikeTheGameSave) {
    const QTemporaryDir folder;
    const PrintDocument document = ComposePrintDocument(QImage(), GameOfMoves(60));
    const circumvia::testing::hostile::Writer export_pdf = [&](const std::filesystem::path& to) {
        return WritePdf(document, to).error;
    };
    const std::filesystem::path scratch = LocalPath(folder.path());
    circumvia::testing::hostile::ExpectEveryTargetHandled(export_pdf, scratch);
    circumvia::testing::hostile::ExpectFullDiskHandled(export_pdf, scratch);

    // Cancelled on its second page: the old file stays, nothing else is left.
    circumvia::testing::hostile::Put(scratch / "old.pdf", "old");
    const auto second_page = [](int done, int) { return done < 1; };
    EXPECT_EQ(WritePdf(document, scratch / "old.pdf", second_page).error,
              std::errc::operation_canceled);
    const auto left = circumvia::testing::hostile::Take(scratch);
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left.at("old.pdf").content, "old");
}

}  // namespace
}  // namespace circumvia::dialogs
