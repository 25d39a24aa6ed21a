#include "dialogs/print/print_document.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

#include "dialogs/display_text.h"
#include "dialogs/draw_position.h"
#include "dialogs/print/print_layout.h"
#include "lang/format.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/notation.h"

namespace circumvia::dialogs {

namespace {

constexpr int kFileNameGap = 10;  // between the board picture and the file name
// Far more than a printed line holds; the line is then elided to fit.
constexpr int kLongestFileName = 300;

// Every page starts with this font. Printed ink is black whatever the desktop's colours:
// light window text from a dark theme would vanish on paper.
QFont PageFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kPageFontPixels);
    return font;
}

void StartPage(QPainter& painter) {
    painter.setFont(PageFont());
    painter.setPen(Qt::black);
}

// Writes `text` with the top-left corner of its cell at (x, y).
void TextOut(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(QPointF(x, y + painter.fontMetrics().ascent()), text);
}

void DrawTitle(QPainter& painter, const PrintLayout& layout) {
    QFont font = painter.font();
    font.setPointSize(kTitlePoints);
    painter.setFont(font);
    const int half_width = layout.printable.right - layout.printable.left;
    const QRect band(layout.title_centre - half_width, layout.printable.top, 2 * half_width,
                     painter.fontMetrics().height());
    painter.drawText(band, Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("CIRCUMVIA"));
}

// Shrunk to the box keeping its proportions, never enlarged, at the box's top-left corner.
void DrawBoardPicture(QPainter& painter, const Box& box, const QImage& picture) {
    if (picture.isNull()) return;
    const QSize room(box.right - box.left, box.bottom - box.top);
    QSize size = picture.size();
    if (size.width() > room.width() || size.height() > room.height())
        size.scale(room, Qt::KeepAspectRatio);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(box.left, box.top), size), picture);
    painter.restore();
}

// A long path would run off the sheet: its middle gives way first.
void DrawFileName(QPainter& painter, const PrintLayout& layout, const QString& name) {
    QFont font = painter.font();
    font.setPointSize(kFileNamePoints);
    painter.setFont(font);
    const int room = layout.printable.right - layout.file_name_x;
    const QString text = painter.fontMetrics().elidedText(name, Qt::ElideMiddle, room);
    TextOut(painter, layout.file_name_x, layout.file_name_y, text);
}

}  // namespace

QString MoveCaption(int mover, int from, int to) {
    const int message = mover == kRed ? lang::message::kRedPlays : lang::message::kWhitePlays;
    return QString::fromStdString(lang::FormatText(lang::LoadText(message), {MoveText(from, to)}));
}

PrintDocument ComposePrintDocument(const QImage& board_picture, const Tjeu& game) {
    PrintDocument document;
    document.units_per_inch = QPicture().logicalDpiY();
    const PageGeometry page = A4Portrait(document.units_per_inch);
    document.page_size = QSize(page.width, page.height);
    const int moves = RecordedMoveCount(game.History);
    document.layout = LayOutPrint(page, moves);
    document.page_count = document.layout.page_count;
    document.board_picture = board_picture;
    document.file_name = ShortenedText(game.FileName, kLongestFileName);
    document.record.reserve(static_cast<std::size_t>(moves) + 1);
    for (int k = 0; k <= moves; ++k)
        document.record.push_back(game.History[static_cast<std::size_t>(k)]);
    return document;
}

QPicture PageDrawing(const PrintDocument& document, int page) {
    if (document.page_drawer) return document.page_drawer(page);
    QPicture drawing;
    const PrintLayout& layout = document.layout;
    QPainter painter(&drawing);
    StartPage(painter);
    if (page == 0) {
        DrawTitle(painter, layout);
        // The file name is written inside the picture's box; a picture from a wide window
        // stops short of it rather than running under it.
        Box picture_room = layout.picture_box;
        picture_room.right = std::min(picture_room.right, layout.file_name_x - kFileNameGap);
        DrawBoardPicture(painter, picture_room, document.board_picture);
        DrawFileName(painter, layout, document.file_name);
    }
    const auto on_page = std::equal_range(
        layout.diagrams.begin(), layout.diagrams.end(), DiagramSlot{.page = page},
        [](const DiagramSlot& a, const DiagramSlot& b) { return a.page < b.page; });
    for (auto slot = on_page.first; slot != on_page.second; ++slot) {
        const HistoryEntry& before = document.record[static_cast<std::size_t>(slot->move - 1)];
        const HistoryEntry& entry = document.record[static_cast<std::size_t>(slot->move)];
        DrawPosition(painter, slot->x, slot->y, kDiagramSize, before.Cells, slot->with_coordinates);
        // The caption keeps whatever font the diagram left: the coordinates' font on the
        // first page, the page font after it.
        painter.setPen(Qt::black);
        TextOut(painter, slot->x + kCaptionDx, slot->y + kCaptionDy,
                MoveCaption(entry.Mover, entry.From, entry.To));
    }
    painter.end();
    return drawing;
}

void DrawPage(QPainter& painter, const PrintDocument& document, int page, double scale) {
    if (page < 0 || page >= document.page_count) return;
    const QPicture picture = PageDrawing(document, page);
    // drawPicture already scales by the device's resolution over the picture's.
    const double device_dpi = painter.device()->logicalDpiX();
    const double correction = picture.logicalDpiX() / device_dpi;
    painter.save();
    // A recorded drawing holds only what changed from a fresh painter's state, so each
    // device starts from the same state: a widget's own pen may be light on a dark role.
    StartPage(painter);
    painter.setBrush(Qt::NoBrush);
    painter.scale(scale * correction, scale * correction);
    painter.drawPicture(0, 0, picture);
    painter.restore();
}

}  // namespace circumvia::dialogs
