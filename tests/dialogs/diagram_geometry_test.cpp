#include "dialogs/diagram_geometry.h"

#include <gtest/gtest.h>

namespace circumvia::dialogs {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbourOthersToTheNearest) {
    const struct {
        double v;
        int expected;
    } cases[] = {{0.5, 0},  {1.5, 2},  {2.5, 2},   {3.5, 4},   {-0.5, 0},  {-1.5, -2},
                 {2.49, 2}, {2.51, 3}, {16.8, 17}, {50.4, 50}, {-2.6, -3}, {7.0, 7}};
    for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.v), c.expected) << c.v;
}

struct WorkedSize {
    int size;
    int grid_side, loop_unit, pen_width, font_points, piece_radius;
    std::array<int, 6> offsets;
};

TEST(MeasureDiagram, WorkedSizesGiveTheirSideUnitPenFontRadiusAndGridOffsets) {
    const WorkedSize cases[] = {
        {140, 84, 16, 2, 7, 6, {0, 17, 34, 50, 67, 84}},
        {60, 36, 7, 1, 6, 3, {0, 7, 14, 22, 29, 36}},
    };
    for (const WorkedSize& c : cases) {
        SCOPED_TRACE(c.size);
        const DiagramGeometry g = MeasureDiagram(0, 0, c.size);
        EXPECT_EQ(g.grid_side, c.grid_side);
        EXPECT_EQ(g.loop_unit, c.loop_unit);
        EXPECT_EQ(g.pen_width, c.pen_width);
        EXPECT_EQ(g.font_points, c.font_points);
        EXPECT_EQ(g.piece_radius, c.piece_radius);
        for (int i = 1; i <= 6; ++i) {
            EXPECT_EQ(g.X(i) - g.x0, c.offsets[i - 1]) << "column " << i;
            EXPECT_EQ(g.Y(i) - g.y0, c.offsets[i - 1]) << "row " << i;
        }
    }
}

TEST(MeasureDiagram, GridSquareIsCentredInTheAreaAndItsCornersAreGridPoints) {
    const DiagramGeometry g = MeasureDiagram(10, 20, 140);
    EXPECT_EQ(g.x0, 38);
    EXPECT_EQ(g.x1, 122);
    EXPECT_EQ(g.y0, 48);
    EXPECT_EQ(g.y1, 132);
    EXPECT_EQ(g.X(1), g.x0);
    EXPECT_EQ(g.X(6), g.x1);
    EXPECT_EQ(g.Y(1), g.y0);
    EXPECT_EQ(g.Y(6), g.y1);
    // An odd margin is split with the extra unit after the square.
    const DiagramGeometry odd = MeasureDiagram(0, 0, 62);  // B = 37, margin 25
    EXPECT_EQ(odd.grid_side, 37);
    EXPECT_EQ(odd.x0, 12);
}

TEST(DiagramBands, EachMultipleOfTenUpToSixtyStartsTheThickerBand) {
    const struct {
        int loop_unit, pen_width, font_points;
    } cases[] = {{0, 1, 6},   {9, 1, 6},   {10, 2, 7},  {19, 2, 7},  {20, 3, 8},
                 {29, 3, 8},  {30, 4, 9},  {39, 4, 9},  {40, 5, 10}, {49, 5, 10},
                 {50, 6, 11}, {59, 6, 11}, {60, 7, 12}, {500, 7, 12}};
    for (const auto& c : cases) {
        EXPECT_EQ(DiagramPenWidth(c.loop_unit), c.pen_width) << c.loop_unit;
        EXPECT_EQ(DiagramFontPoints(c.loop_unit), c.font_points) << c.loop_unit;
    }
}

TEST(MeasureDiagram, SizesWhoseLoopUnitIsExactlyTenTakeTheThickerPen) {
    // 84 * 0.6 = 50.4 gives B = 50 and Q = 10; one unit smaller, 82 * 0.6 = 49.2 gives Q = 9.
    EXPECT_EQ(MeasureDiagram(0, 0, 84).loop_unit, 10);
    EXPECT_EQ(MeasureDiagram(0, 0, 84).pen_width, 2);
    EXPECT_EQ(MeasureDiagram(0, 0, 82).loop_unit, 9);
    EXPECT_EQ(MeasureDiagram(0, 0, 82).pen_width, 1);
    // B = 300 exactly at size 500: Q = 60, the thickest band.
    EXPECT_EQ(MeasureDiagram(0, 0, 500).loop_unit, 60);
    EXPECT_EQ(MeasureDiagram(0, 0, 500).pen_width, 7);
    EXPECT_EQ(MeasureDiagram(0, 0, 500).font_points, 12);
}

}  // namespace
}  // namespace circumvia::dialogs
