#pragma once
// Where everything of the printed game record goes, in page units (pixels at the screen's
// resolution, so an A4 sheet is about 794 x 1123 at 96 per inch). Plain arithmetic, no
// drawing: the composer paints what this places.

#include <vector>

#include "model/history.h"

namespace circumvia::dialogs {

// An A4 portrait sheet and its 10 mm margins in page units.
struct PageGeometry {
    int units_per_inch = 96;
    int width = 0;
    int height = 0;
    int margin_x = 0;
    int margin_y = 0;
};
PageGeometry A4Portrait(int units_per_inch);

struct Box {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// One move's diagram: the position before move `move` drawn at (x, y) on page `page`
// (0 first), its caption written at (x + kCaptionDx, y + kCaptionDy).
struct DiagramSlot {
    int move = 0;
    int page = 0;
    int x = 0;
    int y = 0;
    bool with_coordinates = false;
};

inline constexpr int kDiagramSize = 60;
inline constexpr int kDiagramStep = 70;  // from one diagram's top to the next one's
inline constexpr int kCaptionDx = 70;
inline constexpr int kCaptionDy = 10;
inline constexpr int kTitlePoints = 26;
inline constexpr int kFileNamePoints = 12;
inline constexpr int kPageFontPixels = 11;  // the font every page starts with

struct PrintLayout {
    Box printable;         // the sheet less its margins
    int title_centre = 0;  // "CIRCUMVIA" is centred on this x, its top at printable.top
    Box picture_box;       // the board picture: shrunk to fit, never enlarged, top-left
    int file_name_x = 0;   // the file name's top-left corner
    int file_name_y = 0;
    int page_count = 1;
    std::vector<DiagramSlot> diagrams;  // one per recorded move, in order
};

// The layout for a game of `move_count` recorded moves.
PrintLayout LayOutPrint(const PageGeometry& page, int move_count);

// Moves recorded from entry 1 up to the first entry without a mover, whatever entry the
// game currently stands on, so a game stepped back still prints the moves ahead of it.
int RecordedMoveCount(const GameRecord& history);

}  // namespace circumvia::dialogs
