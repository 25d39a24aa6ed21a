#pragma once
// The printed record of a game composed into pages: one recorded vector drawing per page,
// in page units, ready for the preview, the printer or a PDF file.

#include <QImage>
#include <QPicture>
#include <QSize>
#include <QString>
#include <vector>

#include "model/tjeu.h"

class QPainter;

namespace circumvia::dialogs {

struct PrintDocument {
    int units_per_inch = 96;
    QSize page_size;  // in page units
    std::vector<QPicture> pages;
};

// Title, board picture (left out when null), file name and one diagram per recorded move,
// captioned in the current language. Page units follow the resolution recorded drawings
// have here (the screen's), so the pages show on screen at 100 % without rescaling.
PrintDocument ComposePrintDocument(const QImage& board_picture, const Tjeu& game);

// The caption of a move: "Red play E 1->D 1" in English.
QString MoveCaption(int mover, int from, int to);

// Paints page `page` of `document` with `scale` device pixels per page unit, whatever the
// resolution of the painter's device.
void DrawPage(QPainter& painter, const PrintDocument& document, int page, double scale);

}  // namespace circumvia::dialogs
