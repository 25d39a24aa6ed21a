#pragma once
// The printed record of a game composed into pages, in page units, ready for the preview,
// the printer or a PDF file. Composing only lays the pages out; each page is drawn when it
// is shown or printed, so a record of any length costs little more than its moves.

#include <QImage>
#include <QPicture>
#include <QSize>
#include <QString>
#include <functional>
#include <vector>

#include "dialogs/print/print_layout.h"
#include "model/tjeu.h"

class QPainter;

namespace circumvia::dialogs {

struct PrintDocument {
    int units_per_inch = 96;
    QSize page_size;  // in page units
    int page_count = 0;
    PrintLayout layout;
    QImage board_picture;
    QString file_name;                 // already shortened to what a line can hold
    std::vector<HistoryEntry> record;  // entries 0..last printed move
    // Draws a page of a document composed elsewhere (the game sheet) as it is shown or
    // printed; empty when the pages are drawn from the layout. Called from the print job's
    // worker too, so it only reads what it holds.
    std::function<QPicture(int page)> page_drawer;
};

// Title, board picture (left out when null), file name and one diagram per recorded move,
// captioned in the current language. Page units follow the resolution recorded drawings
// have here (the screen's), so the pages show on screen at 100 % without rescaling.
PrintDocument ComposePrintDocument(const QImage& board_picture, const Tjeu& game);

// The caption of a move: "Red play E 1->D 1" in English.
QString MoveCaption(int mover, int from, int to);

// Page `page` as a recorded drawing in page units.
QPicture PageDrawing(const PrintDocument& document, int page);

// Paints page `page` of `document` with `scale` device pixels per page unit, whatever the
// resolution of the painter's device.
void DrawPage(QPainter& painter, const PrintDocument& document, int page, double scale);

}  // namespace circumvia::dialogs
