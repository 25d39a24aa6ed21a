#pragma once
// The measures of a flat board diagram: the grid square centred in the drawing area, its
// 36 grid points, the loops' radius unit, the piece radius and the pen and font sizes that
// go with the diagram's size. Plain integers, so printing and the screen agree to the unit.

#include <array>

namespace circumvia::dialogs {

// The integer closest to v; a half goes to the even neighbour.
int RoundHalfEven(double v);

struct DiagramGeometry {
    int grid_side = 0;     // B: the side of the grid square
    int loop_unit = 0;     // Q: radius of an inner loop; outer loops have twice it
    int x0 = 0, y0 = 0;    // top-left corner of the grid square
    int x1 = 0, y1 = 0;    // bottom-right corner
    int pen_width = 1;     // W
    int font_points = 6;   // F: size of the coordinates' font
    int piece_radius = 0;  // R
    // Grid point of column c (index c - 1) and of row r (index r - 1).
    std::array<int, 6> column_x{};
    std::array<int, 6> row_y{};

    int X(int column) const { return column_x[column - 1]; }
    int Y(int row) const { return row_y[row - 1]; }
};

// Pen width and coordinate font size chosen by the loop unit: thicker from each multiple of
// ten up to sixty.
int DiagramPenWidth(int loop_unit);
int DiagramFontPoints(int loop_unit);

// The measures of a diagram drawn in the square of side `size` whose top-left corner is
// (left, top).
DiagramGeometry MeasureDiagram(int left, int top, int size);

}  // namespace circumvia::dialogs
