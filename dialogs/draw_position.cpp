#include "dialogs/draw_position.h"

#include <array>
#include <cstdint>
#include <utility>

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <QRect>
#include <QRectF>
#include <QString>

#include "assets/circuit_colours.h"
#include "dialogs/diagram_geometry.h"
#include "model/circuits.h"

namespace circumvia::dialogs {

namespace {

const QColor kRedInk(255, 0, 0);
const QColor kPurpleInk(128, 0, 128);
const QColor kSilverInk(192, 192, 192);

QColor CircuitInk(Circuit circuit) {
    const assets::CircuitColour c =
        circuit == Circuit::Inner ? assets::kInnerCircuitColour : assets::kOuterCircuitColour;
    return {c.red, c.green, c.blue};
}

// Wide strokes end and join round, as the lines of the circuits should.
QPen Pen(const QColor& colour, int width) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The rectangle between two corners, both corners exactly on its edges.
QRectF Box(int x1, int y1, int x2, int y2) {
    return QRectF(QPointF(x1, y1), QPointF(x2, y2));
}

void Circle(QPainter& surface, int x, int y, int radius) {
    surface.drawEllipse(Box(x - radius, y - radius, x + radius, y + radius));
}

void Line(QPainter& surface, int x1, int y1, int x2, int y2) {
    surface.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void Discs(QPainter& surface, const DiagramGeometry& g, const Position& cells, std::uint8_t piece) {
    for (int n = 1; n <= kCellCount; ++n) {
        if (cells[n] == piece) Circle(surface, g.X(ColumnOf(n)), g.Y(RowOf(n)), g.piece_radius);
    }
}

// Writes `text` with the top-left corner of its cell at (x, y).
void TextOut(QPainter& surface, int x, int y, const QString& text) {
    surface.drawText(QPointF(x, y + surface.fontMetrics().ascent()), text);
}

}  // namespace

QFont CoordinateFont(int points) {
    const QString name = QStringLiteral("Courrier new");
    QFont font(name);
    font.setPointSize(points);
    font.setStyleHint(QFont::TypeWriter);
    if (!QFontDatabase::hasFamily(name)) {
        // The name stays first so that the font still reads as asked; the system's
        // fixed-pitch family behind it is the one actually drawn.
        font.setFamilies({name, QFontDatabase::systemFont(QFontDatabase::FixedFont).family()});
    }
    return font;
}

void DrawPosition(QPainter& surface, int left, int top, int size, const Position& cells,
                  bool with_coordinates) {
    if (size < 1) return;
    const DiagramGeometry g = MeasureDiagram(left, top, size);
    const int w_pen = g.pen_width;

    surface.setPen(Pen(Qt::white, 1));
    surface.setBrush(QBrush(Qt::white, Qt::SolidPattern));
    surface.fillRect(QRect(left, top, size, size), Qt::white);

    int letter_width = 0;
    int letter_height = 0;
    if (with_coordinates) {
        surface.setFont(CoordinateFont(g.font_points));
        const QFontMetrics metrics = surface.fontMetrics();
        letter_width = metrics.horizontalAdvance(QLatin1Char('W'));
        letter_height = metrics.height();
    }

    // Three-quarter loops at the corners: whole circles first, then the white grid square
    // over their inner quarters.
    const std::array<std::pair<int, int>, 4> corners{
        {{g.x0, g.y0}, {g.x1, g.y0}, {g.x0, g.y1}, {g.x1, g.y1}}};
    surface.setPen(Pen(CircuitInk(Circuit::Outer), w_pen));
    for (auto [x, y] : corners) Circle(surface, x, y, 2 * g.loop_unit);
    surface.setPen(Pen(CircuitInk(Circuit::Inner), w_pen));
    for (auto [x, y] : corners) Circle(surface, x, y, g.loop_unit);
    surface.setPen(Pen(kPurpleInk, w_pen));
    surface.drawRect(Box(g.X(1), g.Y(1), g.X(6), g.Y(6)));

    // Every diagonal of the grid in both directions, faint.
    surface.setPen(Pen(kSilverInk, 1));
    for (int i = 1; i <= 6; ++i) {
        Line(surface, g.X(i), g.Y(1), g.X(6), g.Y(7 - i));
        Line(surface, g.X(1), g.Y(7 - i), g.X(i), g.Y(6));
        Line(surface, g.X(7 - i), g.Y(1), g.X(1), g.Y(7 - i));
        Line(surface, g.X(6), g.Y(i), g.X(i), g.Y(6));
    }
    surface.setPen(Pen(kPurpleInk, 1));
    surface.setBrush(Qt::NoBrush);
    surface.drawRect(Box(g.X(1), g.Y(1), g.X(6), g.Y(6)));

    // Lines 3 and 4 belong to the outer circuit, lines 2 and 5 to the inner one; the border
    // stands for lines 1 and 6.
    for (int i = 2; i <= 5; ++i) {
        surface.setPen(Pen(CircuitInk(i == 3 || i == 4 ? Circuit::Outer : Circuit::Inner), w_pen));
        Line(surface, g.X(i), g.Y(1), g.X(i), g.Y(6));
        Line(surface, g.X(1), g.Y(i), g.X(6), g.Y(i));
    }

    surface.setPen(Pen(kRedInk, w_pen));
    surface.setBrush(QBrush(kRedInk, Qt::SolidPattern));
    Discs(surface, g, cells, kRed);
    surface.setPen(Pen(Qt::black, w_pen));
    surface.setBrush(QBrush(Qt::white, Qt::SolidPattern));
    Discs(surface, g, cells, kWhite);

    if (with_coordinates) {
        QFont bold = surface.font();
        bold.setBold(true);
        surface.setFont(bold);
        surface.setBrush(Qt::NoBrush);
        // As the notation reads a cell ("E 2": row E, column 2): digits under the columns,
        // letters beside the rows.
        const QString row_letters = QStringLiteral("ABCDEF");
        for (int j = 1; j <= 6; ++j) {
            TextOut(surface, g.X(j) - letter_width / 2, g.Y(6) + letter_height, QString::number(j));
            TextOut(surface, g.X(1) - 2 * letter_width, g.Y(j) - letter_height / 2,
                    row_letters.at(j - 1));
        }
    }
}

}  // namespace circumvia::dialogs
