#include "dialogs/draw_position.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QPainter>
#include <QPicture>

#include "assets/circuit_colours.h"
#include "dialogs/diagram_geometry.h"

namespace circumvia::dialogs {
namespace {

const QRgb kGrey = qRgb(100, 100, 100);
const QRgb kWhiteInk = qRgb(255, 255, 255);
const QRgb kBlackInk = qRgb(0, 0, 0);
const QRgb kRedInk = qRgb(255, 0, 0);
// The circuits as the 3D board and the rules pages draw them.
const QRgb kInnerInk = qRgb(assets::kInnerCircuitColour.red, assets::kInnerCircuitColour.green,
                            assets::kInnerCircuitColour.blue);
const QRgb kOuterInk = qRgb(assets::kOuterCircuitColour.red, assets::kOuterCircuitColour.green,
                            assets::kOuterCircuitColour.blue);
const QRgb kSilverInk = qRgb(192, 192, 192);

// A 160 x 160 grey image (the suggestion dialog's paint box) with one diagram of size 140
// at (10, 10) on it.
QImage Diagram(const Position& cells, bool with_coordinates = false) {
    QImage image(160, 160, QImage::Format_RGB32);
    image.fill(kGrey);
    QPainter painter(&image);
    DrawPosition(painter, 10, 10, 140, cells, with_coordinates);
    return image;
}

QRgb At(const QImage& image, int x, int y) {
    return image.pixel(x, y);
}

// The grid point of a cell in the diagram above.
QPoint PointOf(int cell) {
    const DiagramGeometry g = MeasureDiagram(10, 10, 140);
    return {g.X(ColumnOf(cell)), g.Y(RowOf(cell))};
}

// Pixels of one colour in the square a disc of the diagram above occupies at `cell`.
int CountAround(const QImage& image, int cell, QRgb colour) {
    const QPoint p = PointOf(cell);
    int n = 0;
    for (int y = p.y() - 7; y <= p.y() + 7; ++y) {
        for (int x = p.x() - 7; x <= p.x() + 7; ++x) n += At(image, x, y) == colour;
    }
    return n;
}

TEST(DrawPosition, StartPositionShowsWhiteDiscsOnTopRowsAndRedDiscsOnBottomRows) {
    const QImage start = Diagram(Position::Start());
    const QImage empty = Diagram(Position{});
    for (int cell = 1; cell <= kCellCount; ++cell) {
        SCOPED_TRACE(cell);
        const QPoint p = PointOf(cell);
        // No black stroke anywhere on an empty board; a white disc has a black outline
        // (about 75 pixels) round its white middle, a red disc about 150 red pixels.
        EXPECT_EQ(CountAround(empty, cell, kBlackInk), 0);
        EXPECT_LT(CountAround(empty, cell, kRedInk), 60);
        if (cell <= 12) {
            EXPECT_EQ(At(start, p.x(), p.y()), kWhiteInk);
            EXPECT_GT(CountAround(start, cell, kBlackInk), 50);
        } else if (cell >= 25) {
            EXPECT_EQ(At(start, p.x(), p.y()), kRedInk);
            EXPECT_GT(CountAround(start, cell, kRedInk), 100);
        } else {
            EXPECT_EQ(CountAround(start, cell, kBlackInk), 0);
            EXPECT_EQ(CountAround(start, cell, kRedInk), CountAround(empty, cell, kRedInk));
        }
    }
    // Where no piece stands, the inner circuit's green lines cross at cell 8 and the outer
    // circuit's blue lines at cell 15.
    EXPECT_EQ(At(empty, PointOf(8).x(), PointOf(8).y()), kInnerInk);
    EXPECT_EQ(At(empty, PointOf(15).x(), PointOf(15).y()), kOuterInk);
    // A diagonal runs through the middle of a cell square.
    EXPECT_EQ(At(empty, PointOf(8).x() + 8, PointOf(8).y() + 8), kSilverInk);
}

TEST(DrawPosition, CornerLoopsShowThreeQuartersOutsideTheGridSquareOnly) {
    const QImage empty = Diagram(Position{});
    // The grid square of the size-140 diagram at (10, 10) runs from 38 to 122.
    const struct {
        int x, y;
        QRgb expected;
    } cases[] = {
        {6, 38, kOuterInk},     // outer loop of the top-left corner, left of it
        {38, 6, kOuterInk},     // ... and above it
        {154, 122, kOuterInk},  // outer loop of the bottom-right corner, right of it
        {122, 154, kOuterInk},  // ... and below it
        {22, 38, kInnerInk},    // inner loop of the top-left corner
        {138, 122, kInnerInk},  // inner loop of the bottom-right corner
        {8, 27, kOuterInk},     // the outer loop, 20 degrees above the left
        {68, 49, kWhiteInk},    // the same loop inside the square, hidden
        {49, 68, kWhiteInk},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(At(empty, c.x, c.y), c.expected) << c.x << "," << c.y;
    }
}

TEST(DrawPosition, OverflowAtSize140StaysInsideThe160PixelBox) {
    const QImage image = Diagram(Position::Start());
    QRect drawn;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (At(image, x, y) != kGrey) drawn |= QRect(x, y, 1, 1);
        }
    }
    // The outer loops reach 32 beyond each corner of the square (38..122), a pen width
    // wide: beyond the drawing area (10..150) but not to the box's edges.
    EXPECT_LT(drawn.left(), 10);
    EXPECT_GT(drawn.right(), 149);
    EXPECT_GE(drawn.left(), 4);
    EXPECT_LE(drawn.right(), 155);
    EXPECT_EQ(drawn.top(), drawn.left());
    EXPECT_EQ(drawn.bottom(), drawn.right());
}

TEST(DrawPosition, CoordinatesAreWrittenUnderTheGridAndLeftOfItOnlyWhenAsked) {
    const QImage with = Diagram(Position{}, true);
    const QImage without = Diagram(Position{}, false);
    const QFontMetrics metrics(CoordinateFont(7));
    const int w = metrics.horizontalAdvance(QLatin1Char('W'));
    const int h = metrics.height();
    const auto dark_pixels = [](const QImage& image, const QRect& box) {
        int n = 0;
        for (int y = box.top(); y <= box.bottom(); ++y) {
            for (int x = box.left(); x <= box.right(); ++x) {
                const QRgb c = image.pixel(x, y);
                n += qRed(c) < 96 && qGreen(c) < 96 && qBlue(c) < 96;
            }
        }
        return n;
    };
    for (int j = 1; j <= 6; ++j) {
        SCOPED_TRACE(j);
        const QPoint letter = PointOf(30 + j) + QPoint(-w / 2, h);
        const QRect letter_box(letter, QSize(w, h));
        EXPECT_GT(dark_pixels(with, letter_box), 3);
        EXPECT_EQ(dark_pixels(without, letter_box), 0);
        const QPoint digit = PointOf(6 * (j - 1) + 1) + QPoint(-2 * w, -h / 2);
        const QRect digit_box(digit, QSize(w, h));
        EXPECT_GT(dark_pixels(with, digit_box), 3);
        EXPECT_EQ(dark_pixels(without, digit_box), 0);
    }
}

// The notation names a cell by its row's letter and its column's digit ("E 2"), and the
// diagram must read the same way: the picture with coordinates is the picture without
// them plus digit j under column j and letter j beside row j.
TEST(DrawPosition, CoordinatesReadAsTheNotationLettersForRowsDigitsForColumns) {
    const QImage with = Diagram(Position::Start(), true);
    QImage expected = Diagram(Position::Start(), false);
    QPainter painter(&expected);
    QFont bold = CoordinateFont(7);
    bold.setBold(true);
    painter.setFont(bold);
    const QFontMetrics metrics(CoordinateFont(7));
    const int w = metrics.horizontalAdvance(QLatin1Char('W'));
    const int h = metrics.height();
    const auto write = [&painter](QPoint top_left, QChar c) {
        painter.drawText(QPointF(top_left.x(), top_left.y() + painter.fontMetrics().ascent()),
                         QString(c));
    };
    for (int j = 1; j <= 6; ++j) {
        write(PointOf(30 + j) + QPoint(-w / 2, h), QChar(u'0' + j));
        write(PointOf(6 * (j - 1) + 1) + QPoint(-2 * w, -h / 2), QChar(u'A' + j - 1));
    }
    painter.end();
    EXPECT_TRUE(with == expected);
}

TEST(DrawPosition, LeavesBlackPenOfDiagramWidthAndBoldCoordinateFont) {
    for (int size : {60, 140, 500}) {
        SCOPED_TRACE(size);
        const DiagramGeometry g = MeasureDiagram(0, 0, size);
        QImage image(size + 40, size + 40, QImage::Format_RGB32);
        QPainter painter(&image);
        QFont caller_font(QStringLiteral("DejaVu Serif"), 23);
        caller_font.setItalic(true);
        painter.setFont(caller_font);

        DrawPosition(painter, 20, 20, size, Position::Start(), false);
        EXPECT_EQ(painter.pen().color(), QColor(Qt::black));
        EXPECT_EQ(painter.pen().width(), g.pen_width);
        EXPECT_EQ(painter.brush().style(), Qt::SolidPattern);
        EXPECT_EQ(painter.brush().color(), QColor(Qt::white));
        EXPECT_EQ(painter.font(), caller_font);

        DrawPosition(painter, 20, 20, size, Position::Start(), true);
        EXPECT_EQ(painter.pen().color(), QColor(Qt::black));
        EXPECT_EQ(painter.pen().width(), g.pen_width);
        EXPECT_EQ(painter.brush().style(), Qt::NoBrush);
        EXPECT_EQ(painter.font().family(), QStringLiteral("Courrier new"));
        EXPECT_EQ(painter.font().pointSize(), g.font_points);
        EXPECT_TRUE(painter.font().bold());
        EXPECT_FALSE(painter.font().italic());
    }
}

// Which fixed-pitch family a machine has varies; without the designed family the coordinates
// are drawn in the one the platform names for fixed text, never in the proportional default.
TEST(DrawPosition, CoordinateFontIsFixedPitchEvenWithoutCourierInstalled) {
    const QFont font = CoordinateFont(9);
    EXPECT_EQ(font.family(), QStringLiteral("Courrier new"));
    EXPECT_EQ(font.pointSize(), 9);
    EXPECT_FALSE(font.bold());
    if (QFontDatabase::hasFamily(font.family())) GTEST_SKIP() << "the designed family is here";
    const QFontInfo platform_fixed(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    EXPECT_EQ(QFontInfo(font).family(), platform_fixed.family());
}

TEST(DrawPosition, NonPositiveSizeDrawsNothingAndLeavesThePainterAlone) {
    QImage image(50, 50, QImage::Format_RGB32);
    image.fill(kGrey);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::green, 3));
    DrawPosition(painter, 10, 10, 0, Position::Start(), true);
    DrawPosition(painter, 10, 10, -40, Position::Start(), true);
    EXPECT_EQ(painter.pen(), QPen(Qt::green, 3));
    painter.end();
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 50; ++x) ASSERT_EQ(At(image, x, y), kGrey);
    }
}

TEST(DrawPosition, RecordedInAPictureItReplaysToTheSamePixels) {
    QPicture picture;
    {
        QPainter recorder(&picture);
        DrawPosition(recorder, 10, 10, 140, Position::Start(), false);
    }
    QImage replayed(160, 160, QImage::Format_RGB32);
    replayed.fill(kGrey);
    {
        QPainter painter(&replayed);
        painter.drawPicture(0, 0, picture);
    }
    EXPECT_EQ(replayed, Diagram(Position::Start()));
}

TEST(DrawPosition, OnADoubleDensityImageEveryDevicePixelIsDrawn) {
    QImage sharp(320, 320, QImage::Format_RGB32);
    sharp.setDevicePixelRatio(2);
    sharp.fill(kGrey);
    {
        QPainter painter(&sharp);
        DrawPosition(painter, 10, 10, 140, Position::Start(), false);
    }
    // The red disc of cell 36 (radius 6 at (122, 122)) covers device pixels 11 from its
    // centre; the outer loop's 2-unit pen is 4 device pixels wide.
    EXPECT_EQ(At(sharp, 244 + 11, 244), kRedInk);
    EXPECT_EQ(At(sharp, 244, 244 - 11), kRedInk);
    int across_loop = 0;
    for (int x = 0; x < 30; ++x) across_loop += At(sharp, x, 76) == kOuterInk;
    EXPECT_EQ(across_loop, 4);
}

}  // namespace
}  // namespace circumvia::dialogs
