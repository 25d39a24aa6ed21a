#include "dialogs/diagram_geometry.h"

#include <algorithm>
#include <cmath>

namespace circumvia::dialogs {

int RoundHalfEven(double v) {
    const double down = std::floor(v);
    const double fraction = v - down;
    int result = static_cast<int>(down);
    if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
    return result;
}

namespace {

// One row per band of the loop unit, thickest first: from this unit up, this pen and font.
struct Band {
    int from_unit;
    int pen_width;
    int font_points;
};
constexpr std::array<Band, 7> kBands{{
    {60, 7, 12},
    {50, 6, 11},
    {40, 5, 10},
    {30, 4, 9},
    {20, 3, 8},
    {10, 2, 7},
    {-2147483647 - 1, 1, 6},
}};

const Band& BandOf(int loop_unit) {
    return *std::find_if(kBands.begin(), kBands.end(),
                         [loop_unit](const Band& b) { return loop_unit >= b.from_unit; });
}

}  // namespace

int DiagramPenWidth(int loop_unit) {
    return BandOf(loop_unit).pen_width;
}

int DiagramFontPoints(int loop_unit) {
    return BandOf(loop_unit).font_points;
}

DiagramGeometry MeasureDiagram(int left, int top, int size) {
    DiagramGeometry g;
    g.grid_side = RoundHalfEven(size * 0.6);
    g.loop_unit = g.grid_side / 5;
    g.x0 = left + (size - g.grid_side) / 2;
    g.y0 = top + (size - g.grid_side) / 2;
    g.x1 = g.x0 + g.grid_side;
    g.y1 = g.y0 + g.grid_side;
    // The spacing is the exact fifth of the side, not the rounded loop unit, so the last
    // point falls on the square's far edge.
    for (int i = 0; i < 6; ++i) {
        const double offset = i * g.grid_side / 5.0;
        g.column_x[i] = RoundHalfEven(offset + g.x0);
        g.row_y[i] = RoundHalfEven(offset + g.y0);
    }
    g.pen_width = DiagramPenWidth(g.loop_unit);
    g.font_points = DiagramFontPoints(g.loop_unit);
    g.piece_radius = RoundHalfEven(g.grid_side / 13.0);
    return g;
}

}  // namespace circumvia::dialogs
