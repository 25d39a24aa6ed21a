#include "dialogs/print/print_layout.h"

#include <cmath>

namespace circumvia::dialogs {

namespace {

constexpr int kTitleHeight = 50;    // from the page top to the picture box
constexpr int kPictureMargins = 5;  // the picture box is five vertical margins high
constexpr int kFileNameX = 400;
constexpr int kGapUnderPicture = 20;

// Tenths of a millimetre to page units, to the nearest unit.
int FromTenthsOfMillimetre(int tenths, int units_per_inch) {
    return static_cast<int>(std::lround(tenths * units_per_inch / 254.0));
}

}  // namespace

PageGeometry A4Portrait(int units_per_inch) {
    PageGeometry page;
    page.units_per_inch = units_per_inch;
    page.width = FromTenthsOfMillimetre(2100, units_per_inch);
    page.height = FromTenthsOfMillimetre(2970, units_per_inch);
    page.margin_x = FromTenthsOfMillimetre(100, units_per_inch);
    page.margin_y = FromTenthsOfMillimetre(100, units_per_inch);
    return page;
}

PrintLayout LayOutPrint(const PageGeometry& page, int move_count) {
    PrintLayout layout;
    const Box p{page.margin_x, page.margin_y, page.width - page.margin_x,
                page.height - page.margin_y};
    layout.printable = p;
    const int column_step = (p.left + p.right) / 2;
    layout.title_centre = (p.left + p.right) / 2;

    const int top = p.top + kTitleHeight;
    layout.picture_box = {p.left, top, p.right, top + kPictureMargins * page.margin_y};
    layout.file_name_x = kFileNameX;
    layout.file_name_y = top;

    const int first_column_top = layout.picture_box.bottom + kGapUnderPicture;
    int column_top = first_column_top;
    int y = column_top;
    int column = 1;
    int page_index = 0;
    for (int move = 1; move <= move_count; ++move) {
        const int x = p.left + (column - 1) * column_step;
        layout.diagrams.push_back({move, page_index, x, y, move == 1});
        y += kDiagramStep;
        if (y + kDiagramSize < p.bottom) continue;
        if (column == 1) {
            column = 2;
            y = column_top;
        } else if (move < move_count) {
            // Only a move still to come opens a new page: a full last page leaves none empty.
            ++page_index;
            column = 1;
            column_top = p.top;
            y = column_top;
        }
    }
    layout.page_count = page_index + 1;
    return layout;
}

int RecordedMoveCount(const GameRecord& history) {
    int count = 0;
    while (static_cast<std::size_t>(count + 1) < history.size() &&
           history[static_cast<std::size_t>(count + 1)].IsRecorded())
        ++count;
    return count;
}

}  // namespace circumvia::dialogs
