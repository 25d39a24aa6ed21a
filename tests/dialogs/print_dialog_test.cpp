#include "dialogs/print/print_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include "dialogs/print/page_preview.h"
#include "dialogs/print/page_thumbnails.h"
#include "tests/dialogs/print_fixtures.h"

namespace circumvia::dialogs {
namespace {

using testing::GameOfMoves;
using testing::LanguageScope;

QStringList Entries(const QComboBox& box) {
    QStringList entries;
    for (int i = 0; i < box.count(); ++i) entries << box.itemText(i);
    return entries;
}

TEST(PrintDialog, RelabelsInEnglishWithTheZoomListOnWholePage) {
    const LanguageScope english('A');
    TFprint dialog;
    dialog.ComposePrint(QImage(), GameOfMoves(2));
    EXPECT_EQ(dialog.windowTitle(), "Print preview");
    EXPECT_EQ(dialog.CheckBox1->text(), "Direct print");
    EXPECT_EQ(dialog.CheckBox2->text(), "Fast print");
    EXPECT_EQ(dialog.Btn_print->text(), "Print");
    EXPECT_EQ(dialog.Btn_close->text(), "Close");
    EXPECT_EQ(Entries(*dialog.ZoomComboBox),
              (QStringList{"10%", "25%", "50%", "100%", "150%", "200%", "Page width", "Page height",
                           "Whole page"}));
    EXPECT_EQ(dialog.ZoomComboBox->currentIndex(), TFprint::kWholePageEntry);
    EXPECT_EQ(dialog.PrintPreview1->State(), ZoomState::kWholePage);
    EXPECT_EQ(dialog.size(), QSize(TFprint::kClientWidth, TFprint::kClientHeight));
    EXPECT_EQ(dialog.ThumbnailPreview1->width(), TFprint::kThumbnailWidth);
}

TEST(PrintDialog, ALanguageChangeWhileOpenKeepsTheChosenZoom) {
    const LanguageScope english('A');
    QWidget owner;
    auto* dialog = new TFprint(&owner);
    dialog->ComposePrint(QImage(), GameOfMoves(2));
    dialog->ZoomComboBox->setCurrentIndex(6);
    lang::SetLanguageCode('D');
    RelabelOpenDialogs(owner);
    EXPECT_EQ(dialog->CheckBox2->text(), QString::fromStdString(lang::Caption(4062)));
    EXPECT_EQ(dialog->ZoomComboBox->currentIndex(), 6);
    EXPECT_EQ(dialog->PrintPreview1->State(), ZoomState::kPageWidth);
}

TEST(PrintDialog, ZoomEntriesSetTheZoomAndTypedTextChangesNothing) {
    const LanguageScope french('F');
    TFprint dialog;
    dialog.ComposePrint(QImage(), GameOfMoves(2));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QComboBox& zoom = *dialog.ZoomComboBox;
    const double percents[] = {0.10, 0.25, 0.50, 1.00, 1.50, 2.00};
    for (int entry = 0; entry < 6; ++entry) {
        zoom.setCurrentIndex(entry);
        EXPECT_EQ(dialog.PrintPreview1->State(), ZoomState::kPercent);
        EXPECT_DOUBLE_EQ(dialog.PrintPreview1->Scale(), percents[entry]);
    }
    zoom.setCurrentIndex(6);  // "Largeur page"
    EXPECT_EQ(dialog.PrintPreview1->State(), ZoomState::kPageWidth);
    EXPECT_NEAR(dialog.PrintPreview1->PageRect().width() + 2 * kPageGap,
                dialog.PrintPreview1->viewport()->width(), 2);
    zoom.setCurrentIndex(7);
    EXPECT_EQ(dialog.PrintPreview1->State(), ZoomState::kPageHeight);

    // At 100 % the title shows in dark ink on the white page.
    zoom.setCurrentIndex(3);
    const QImage shown = dialog.PrintPreview1->viewport()->grab().toImage();
    const QPoint page = dialog.PrintPreview1->PageRect().topLeft();
    EXPECT_GT(testing::CountPixels(shown, QRect(page + QPoint(300, 40), QSize(200, 30)),
                                   [](QRgb p) { return testing::IsDark(p); }),
              50);

    const double scale = dialog.PrintPreview1->Scale();
    zoom.lineEdit()->selectAll();
    QTest::keyClicks(zoom.lineEdit(), "37");
    QTest::keyClick(zoom.lineEdit(), Qt::Key_Return);
    EXPECT_EQ(dialog.PrintPreview1->State(), ZoomState::kPercent);
    EXPECT_DOUBLE_EQ(dialog.PrintPreview1->Scale(), scale);
    EXPECT_TRUE(dialog.isVisible()) << "Return in the zoom list neither prints nor closes";
}

// After a zoom by the keys or the wheel the list showed the old zoom, and choosing that
// entry again did nothing; text typed into it zoomed at once.
TEST(PrintDialog, TheZoomListShowsTheZoomInForceAndAppliesEveryEntryChosen) {
    const LanguageScope french('F');
    TFprint dialog;
    dialog.ComposePrint(QImage(), GameOfMoves(2));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QComboBox& zoom = *dialog.ZoomComboBox;
    PagePreview& preview = *dialog.PrintPreview1;
    zoom.setCurrentIndex(3);  // 100 %

    QTest::keyClick(&preview, Qt::Key_Plus);
    EXPECT_EQ(zoom.currentText().toStdString(), "110 %");
    QWheelEvent wheel(QPointF(50, 50), preview.mapToGlobal(QPointF(50, 50)), {}, QPoint(0, -120),
                      Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(preview.viewport(), &wheel);
    EXPECT_EQ(zoom.currentText().toStdString(), "100 %");
    QTest::keyClick(&preview, Qt::Key_Minus);
    EXPECT_EQ(zoom.currentText().toStdString(), "91 %");
    Q_EMIT zoom.activated(3);  // 100 % chosen again
    EXPECT_DOUBLE_EQ(preview.Scale(), 1.0);

    // "1" is completed to "10 %" in the list, which zooms only once chosen by Return.
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    zoom.lineEdit()->setFocus();
    zoom.lineEdit()->selectAll();
    QTest::keyClicks(zoom.lineEdit(), "1");
    EXPECT_DOUBLE_EQ(preview.Scale(), 1.0);
    QTest::keyClick(zoom.lineEdit(), Qt::Key_Return);
    EXPECT_DOUBLE_EQ(preview.Scale(), 0.1);
}

TEST(PrintDialog, FastPrintingStartsOnAndFollowsItsBoxDirectPrintingLikewise) {
    TFprint dialog;
    dialog.ComposePrint(QImage(), GameOfMoves(2));
    PagePreview& preview = *dialog.PrintPreview1;
    EXPECT_FALSE(dialog.CheckBox2->isChecked());
    EXPECT_TRUE(preview.FastPrinting());
    dialog.CheckBox2->click();
    EXPECT_TRUE(preview.FastPrinting());
    dialog.CheckBox2->click();
    EXPECT_FALSE(preview.FastPrinting());
    EXPECT_EQ(preview.PrinterMode(), QPrinter::HighResolution);
    EXPECT_FALSE(preview.DirectPrinting());
    dialog.CheckBox1->click();
    EXPECT_TRUE(preview.DirectPrinting());
}

TEST(PrintDialog, ThumbnailsKeyboardAndWheelTurnThePagesTogether) {
    TFprint dialog;
    dialog.ComposePrint(QImage(), GameOfMoves(60));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    PagePreview& preview = *dialog.PrintPreview1;
    ThumbnailPreview& thumbnails = *dialog.ThumbnailPreview1;
    ASSERT_EQ(thumbnails.count(), 3);
    EXPECT_EQ(thumbnails.currentRow(), 0);

    const QRect third = thumbnails.visualItemRect(thumbnails.item(2));
    thumbnails.scrollToItem(thumbnails.item(2));
    QTest::mouseClick(thumbnails.viewport(), Qt::LeftButton, {},
                      thumbnails.visualItemRect(thumbnails.item(2)).center());
    EXPECT_FALSE(third.isEmpty());
    EXPECT_EQ(preview.CurrentPage(), 2);

    preview.setFocus();
    QTest::keyClick(&preview, Qt::Key_Home);
    EXPECT_EQ(preview.CurrentPage(), 0);
    EXPECT_EQ(thumbnails.currentRow(), 0);
    QTest::keyClick(&preview, Qt::Key_PageDown);
    EXPECT_EQ(preview.CurrentPage(), 1);
    EXPECT_EQ(thumbnails.currentRow(), 1);

    // The whole page fits, so the wheel has nothing to scroll and turns the page.
    QWheelEvent down(QPointF(50, 50), preview.mapToGlobal(QPointF(50, 50)), QPoint(),
                     QPoint(0, -120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(preview.viewport(), &down);
    EXPECT_EQ(preview.CurrentPage(), 2);
    QWheelEvent zoom_in(QPointF(50, 50), preview.mapToGlobal(QPointF(50, 50)), QPoint(),
                        QPoint(0, 120), Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase,
                        false);
    const double before = preview.Scale();
    QCoreApplication::sendEvent(preview.viewport(), &zoom_in);
    EXPECT_GT(preview.Scale(), before);
    EXPECT_EQ(preview.State(), ZoomState::kPercent);
}

class PrintDialogOutput : public ::testing::Test {
protected:
    QTemporaryDir folder_;
    QString Path(const char* name) const { return QDir(folder_.path()).filePath(name); }
};

TEST_F(PrintDialogOutput, PrintSendsEveryPageUnderTheJobTitle) {
    TFprint dialog;
    dialog.ComposePrint(QImage(), GameOfMoves(40));
    QString job_title;
    dialog.ChoosePrinter = [&](QPrinter& printer, QWidget*) {
        job_title = printer.docName();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Path("printed.pdf"));
        return true;
    };
    dialog.Btn_print->click();
    EXPECT_EQ(job_title, "Circumvia");
    EXPECT_TRUE(QFileInfo(Path("printed.pdf")).size() > 0);

    // Cancelling the print dialog prints nothing.
    dialog.ChoosePrinter = [&](QPrinter& printer, QWidget*) {
        printer.setOutputFileName(Path("cancelled.pdf"));
        return false;
    };
    dialog.Btn_print->click();
    EXPECT_FALSE(QFileInfo::exists(Path("cancelled.pdf")));
}

TEST_F(PrintDialogOutput, PdfButtonWritesTheNamedFileOrSaysItCouldNot) {
    const LanguageScope english('A');
    TFprint dialog;
    Tjeu game = GameOfMoves(40);
    game.FileName = Path("match.Cva").toStdString();
    dialog.ComposePrint(QImage(), game);
    QString reported;
    dialog.ReportFailure = [&](QWidget*, const QString& text) { reported = text; };

    QString offered;
    dialog.ChoosePdfName = [&](QWidget*, const QString& suggested) {
        offered = suggested;
        return Path("game.pdf");
    };
    dialog.Btn_pdf->click();
    EXPECT_EQ(offered, Path("match.pdf"));
    EXPECT_TRUE(QFileInfo(Path("game.pdf")).size() > 0);
    EXPECT_TRUE(reported.isEmpty());

    dialog.ChoosePdfName = [&](QWidget*, const QString&) { return Path("missing/game.pdf"); };
    dialog.Btn_pdf->click();
    EXPECT_EQ(reported,
              "Cannot write the file " + Path("missing/game.pdf") + "\nThe folder does not exist.");

    reported.clear();
    dialog.ChoosePdfName = [](QWidget*, const QString&) { return QString(); };  // cancelled
    dialog.Btn_pdf->click();
    EXPECT_TRUE(reported.isEmpty());
}

TEST(PdfName, OfferedFromTheGamesFileOrAsCircumviaForAGameNeverSaved) {
    const struct {
        const char* game_file;
        const char* offered;
    } cases[] = {
        {"/home/ann/games/final round.Cva", "/home/ann/games/final round.pdf"},
        {"/home/ann/games/v1.2.Cva", "/home/ann/games/v1.2.pdf"},
        {"/home/ann/no suffix", "/home/ann/no suffix.pdf"},
        {"Noname", "Circumvia.pdf"},
        {"", "Circumvia.pdf"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SuggestedPdfName(c.game_file), c.offered) << c.game_file;
    }
}

}  // namespace
}  // namespace circumvia::dialogs
