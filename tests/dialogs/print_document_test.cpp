#include "dialogs/print/print_document.h"

#include <gtest/gtest.h>

#include "dialogs/print/print_layout.h"
#include "tests/dialogs/print_fixtures.h"

namespace circumvia::dialogs {
namespace {

using testing::BoundsOf;
using testing::CountPixels;
using testing::GameOfMoves;
using testing::IsDark;
using testing::IsNotWhite;
using testing::IsPureRed;
using testing::LanguageScope;
using testing::RenderPage;

TEST(MoveCaption, NamesTheMoverAndTheMoveInTheCurrentLanguage) {
    struct Case {
        char language;
        int mover;
        int from;
        int to;
        const char* caption;
    } cases[] = {
        {'F', kRed, 25, 19, "Les rouges jouent E 1->D 1"},
        {'F', kWhite, 8, 15, "Les blancs jouent B 2->C 3"},
        {'A', kRed, 25, 19, "Red plays E 1->D 1"},
        {'A', kWhite, 8, 15, "White plays B 2->C 3"},
    };
    for (const Case& c : cases) {
        const LanguageScope language(c.language);
        EXPECT_EQ(MoveCaption(c.mover, c.from, c.to).toStdString(), c.caption);
    }
}

class ComposedDocument : public ::testing::Test {
protected:
    // The layout's numbers hold at 96 page units per inch, which recorded drawings use here.
    void SetUp() override {
        if (QPicture().logicalDpiY() != 96) GTEST_SKIP() << "screen is not at 96 per inch";
    }
};

TEST_F(ComposedDocument, GameWithoutMovesHasTitlePictureAndFileNameOnly) {
    Tjeu game;
    game.FileName = "/home/zoe/partie.Cva";
    QImage picture(100, 50, QImage::Format_RGB32);
    picture.fill(Qt::green);
    const PrintDocument document = ComposePrintDocument(picture, game);
    ASSERT_EQ(document.page_count, 1);
    EXPECT_EQ(document.page_size, QSize(794, 1123));

    const QImage page = RenderPage(document, 0);
    const QRect title = BoundsOf(page.copy(0, 0, 794, 88), IsDark);
    EXPECT_GE(title.top(), 38);
    EXPECT_NEAR(title.center().x(), 397, 3);
    // A small picture keeps its size, at the box's top-left corner.
    EXPECT_EQ(BoundsOf(page, [](QRgb p) { return p == QColor(Qt::green).rgb(); }),
              QRect(38, 88, 100, 50));
    const QRect file_name = BoundsOf(page.copy(300, 88, 494, 30), IsDark).translated(300, 88);
    EXPECT_NEAR(file_name.left(), 400, 2);
    EXPECT_EQ(CountPixels(page, QRect(0, 290, 794, 833), IsNotWhite), 0);
}

TEST_F(ComposedDocument, LargePictureShrinksIntoItsBoxKeepingItsShape) {
    QImage picture(1000, 760, QImage::Format_RGB32);
    picture.fill(Qt::green);
    const QImage page = RenderPage(ComposePrintDocument(picture, Tjeu()), 0);
    const QRect shown =
        BoundsOf(page, [](QRgb p) { return qGreen(p) > 200 && qRed(p) < 60 && qBlue(p) < 60; });
    EXPECT_EQ(shown.topLeft(), QPoint(38, 88));
    EXPECT_NEAR(shown.height(), 190, 1);
    EXPECT_NEAR(shown.width(), 250, 1);
}

TEST_F(ComposedDocument, PictureFromAWideWindowStopsShortOfTheFileName) {
    QImage picture(2000, 500, QImage::Format_RGB32);
    picture.fill(Qt::green);
    const QImage page = RenderPage(ComposePrintDocument(picture, Tjeu()), 0);
    const QRect shown =
        BoundsOf(page, [](QRgb p) { return qGreen(p) > 200 && qRed(p) < 60 && qBlue(p) < 60; });
    EXPECT_EQ(shown.topLeft(), QPoint(38, 88));
    EXPECT_LE(shown.right(), 390);
    EXPECT_NEAR(shown.height(), shown.width() / 4, 1);
}

TEST_F(ComposedDocument, SixtyMovesFillThreePagesWithADiagramWhereTheLayoutPutsEach) {
    const Tjeu game = GameOfMoves(60);
    const PrintDocument document = ComposePrintDocument(QImage(), game);
    ASSERT_EQ(document.page_count, 3);
    const PrintLayout layout = LayOutPrint(A4Portrait(96), 60);
    std::vector<QImage> pages;
    for (int p = 0; p < 3; ++p) pages.push_back(RenderPage(document, p));
    for (const DiagramSlot& slot : layout.diagrams) {
        const QRect square(slot.x, slot.y, kDiagramSize, kDiagramSize);
        EXPECT_GT(CountPixels(pages[slot.page], square, IsPureRed), 50) << "move " << slot.move;
    }
    // After move 60 the third page's column stops.
    EXPECT_EQ(CountPixels(pages[2], QRect(38, 598, 60, 60), IsNotWhite), 0);
}

TEST_F(ComposedDocument, OnlyTheFirstDiagramHasLettersAndDigits) {
    const PrintDocument document = ComposePrintDocument(QImage(), GameOfMoves(30));
    const QImage first = RenderPage(document, 0);
    const QImage second = RenderPage(document, 1);
    // Left of the grid only the row letters are dark: the loops are red and blue.
    auto digits_beside = [](const QImage& page, int top) {
        return CountPixels(page, QRect(28, top + 4, 18, 52), IsDark);
    };
    EXPECT_GT(digits_beside(first, 298), 10);
    EXPECT_EQ(digits_beside(first, 368), 0);
    EXPECT_EQ(digits_beside(first, 298 + 70 * 5), 0);
    EXPECT_EQ(digits_beside(second, 38), 0);
}

TEST_F(ComposedDocument, CaptionsOfPage1UseTheSmallCoordinateFontAndLaterPagesThePageFont) {
    const PrintDocument document = ComposePrintDocument(QImage(), GameOfMoves(30));
    const QImage first = RenderPage(document, 0);
    const QImage second = RenderPage(document, 1);
    const QRect on_first = BoundsOf(first.copy(108, 375, 320, 30), IsDark);
    const QRect on_second = BoundsOf(second.copy(108, 45, 320, 30), IsDark);
    ASSERT_FALSE(on_first.isEmpty());
    ASSERT_FALSE(on_second.isEmpty());
    EXPECT_LT(on_first.height(), on_second.height());
}

TEST_F(ComposedDocument, GameSteppedBackStillPrintsEveryRecordedMove) {
    Tjeu game = GameOfMoves(30);
    while (game.CanStepBack()) game.StepBack();
    ASSERT_EQ(game.Current, 0);
    const PrintDocument document = ComposePrintDocument(QImage(), game);
    ASSERT_EQ(document.page_count, 2);
    // Move 30 is the eighth diagram of page 2.
    EXPECT_GT(CountPixels(RenderPage(document, 1), QRect(38, 38 + 7 * 70, 60, 60), IsPureRed), 50);
}

}  // namespace
}  // namespace circumvia::dialogs
