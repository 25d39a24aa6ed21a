#include "dialogs/print/game_sheet.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "dialogs/class_marks.h"
#include "dialogs/diagram_geometry.h"
#include "dialogs/display_text.h"
#include "dialogs/draw_position.h"
#include "dialogs/exact_value_text.h"
#include "dialogs/print/print_layout.h"
#include "dialogs/review_text.h"
#include "lang/format.h"
#include "lang/kind_caption.h"
#include "lang/language.h"
#include "lang/text_ids.h"
#include "model/notation.h"
#include "model/record_review.h"

namespace circumvia::dialogs {

namespace {

// In page units (96 to the inch): three diagrams of about 4 cm across, five rows a page.
constexpr int kColumns = 3;
constexpr int kSheetDiagram = 150;
constexpr int kCaptionGap = 12;     // between a diagram's square and its caption
constexpr int kCellBottomGap = 14;  // below the caption, before the next row
constexpr int kTextPixels = 12;
constexpr int kTitlePixels = 26;
constexpr int kHeaderGap = 16;  // below the header, before the first row
constexpr int kMarkWidth = 3;   // the from and to cells' rings

QFont SheetFont(int pixels, bool bold) {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

std::string Message(int number) {
    return lang::LoadText(number);
}

QString KindText(int kind) {
    const int k = std::clamp(kind, kHuman, kMaxLevel);
    return QString::fromStdString(
        lang::Caption(lang::CaptionBase() + lang::caption::KindCaption(k)));
}

// The result of the recorded game as its last position has it.
std::string ResultOfRecord(const Tjeu& game) {
    Tjeu end = game;
    ReviewGoTo(end, LastRecordedEntry(end));
    if (game.Result == kWhiteResigned || game.Result == kRedResigned) end.Result = game.Result;
    const auto won = [&](Side winner) {
        return lang::FormatText(
            Message(lang::message::kGameWon),
            {NameInTextUtf8(end.PlayerOf(winner).Name), std::to_string(end.Pos.Count(winner)),
             std::to_string(end.Pos.Count(Opponent(winner)))});
    };
    switch (end.Result) {
        case kRedWon:
            return won(kRed);
        case kWhiteWon:
            return won(kWhite);
        case kWhiteResigned:
            return lang::FormatText(Message(lang::message::kGaveUp),
                                    {NameInTextUtf8(end.PlayerOf(kWhite).Name)});
        case kRedResigned:
            return lang::FormatText(Message(lang::message::kGaveUp),
                                    {NameInTextUtf8(end.PlayerOf(kRed).Name)});
        case kDrawn:
            return DrawText(game);
        default:
            return RecordFinished(game) ? DrawText(game) : Message(lang::message::kSheetInProgress);
    }
}

struct SheetLayout {
    PageGeometry page;
    int column_width = 0;
    int row_height = 0;
    int first_row_top = 0;  // on the first page, below the header
    int rows_first_page = 0;
    int rows_per_page = 0;
};

SheetLayout LayOutSheet(const PageGeometry& page, int header_height, int caption_height) {
    SheetLayout layout;
    layout.page = page;
    layout.column_width = (page.width - 2 * page.margin_x) / kColumns;
    // A line above the diagram for its column digits.
    layout.row_height =
        caption_height / 2 + kSheetDiagram + kCaptionGap + caption_height + kCellBottomGap;
    layout.first_row_top = page.margin_y + header_height + kHeaderGap;
    const int room = page.height - 2 * page.margin_y;
    layout.rows_first_page = std::max(1, (room - header_height - kHeaderGap) / layout.row_height);
    layout.rows_per_page = std::max(1, room / layout.row_height);
    return layout;
}

// Where move `index` (0 first) goes: page, and the top-left corner of its column's cell.
struct CellPlace {
    int page = 0;
    int left = 0;
    int top = 0;
};

CellPlace PlaceOf(const SheetLayout& layout, int index) {
    const int row = index / kColumns;
    const int column = index % kColumns;
    CellPlace place;
    place.left = layout.page.margin_x + column * layout.column_width;
    if (row < layout.rows_first_page) {
        place.top = layout.first_row_top + row * layout.row_height;
        return place;
    }
    const int later = row - layout.rows_first_page;
    place.page = 1 + later / layout.rows_per_page;
    place.top = layout.page.margin_y + (later % layout.rows_per_page) * layout.row_height;
    return place;
}

// Rings round the cells the move left and reached.
void MarkMove(QPainter& painter, const DiagramGeometry& g, int from, int to) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    const int ring = g.piece_radius + kMarkWidth + 1;
    painter.setPen(QPen(QColor(0x20, 0x60, 0xD0), kMarkWidth, Qt::DashLine));
    if (IsCell(from))
        painter.drawEllipse(QPoint(g.X(ColumnOf(from)), g.Y(RowOf(from))), ring, ring);
    painter.setPen(QPen(QColor(0x20, 0x60, 0xD0), kMarkWidth));
    if (IsCell(to)) painter.drawEllipse(QPoint(g.X(ColumnOf(to)), g.Y(RowOf(to))), ring, ring);
    painter.restore();
}

// The rows' letters at the left and the columns' digits above, as the captions name cells.
void WriteCoordinates(QPainter& painter, const DiagramGeometry& g) {
    const QFontMetrics metrics = painter.fontMetrics();
    const QString letters = QStringLiteral("ABCDEF");
    for (int j = 1; j <= kBoardSide; ++j) {
        const QString letter = letters.at(j - 1);
        painter.drawText(QPointF(g.x0 - 2 * g.loop_unit - metrics.horizontalAdvance(letter) - 2,
                                 g.Y(j) + metrics.ascent() / 2.0),
                         letter);
        const QString digit = QString::number(j);
        painter.drawText(QPointF(g.X(j) - metrics.horizontalAdvance(digit) / 2.0,
                                 g.y0 - 2 * g.loop_unit - metrics.descent() - 2),
                         digit);
    }
}

}  // namespace

QDate GameDate(const std::string& file_name) {
    const QFileInfo file(QString::fromStdString(file_name));
    if (file_name.empty() || file_name == kNoName || !file.exists()) return QDate::currentDate();
    return file.lastModified().date();
}

QStringList SheetHeader(const Tjeu& game, const QDate& date) {
    const Player& red = game.PlayerOf(kRed);
    const Player& white = game.PlayerOf(kWhite);
    const std::string players =
        lang::FormatText(Message(lang::message::kSheetPlayers),
                         {NameInTextUtf8(red.Name), KindText(red.Kind).toStdString(),
                          NameInTextUtf8(white.Name), KindText(white.Kind).toStdString()});
    const std::string result =
        lang::FormatText(Message(lang::message::kSheetResult),
                         {ResultOfRecord(game), date.toString(Qt::ISODate).toStdString()});
    return {QStringLiteral("CIRCUMVIA"), QString::fromStdString(players),
            QString::fromStdString(result)};
}

QStringList SheetCaption(const Tjeu& game, const GameAnalysis& analysis, int number) {
    const HistoryEntry& entry = game.History[static_cast<std::size_t>(number)];
    QString first = QString::number(number) + QStringLiteral(". ") +
                    MoveCaption(entry.Mover, entry.From, entry.To);
    QStringList lines;
    const auto at = static_cast<std::size_t>(number - 1);
    if (number < 1 || at >= analysis.moves.size()) return {first};
    const MoveAnalysis& move = analysis.moves[at];
    if (const QString mark = ClassSymbol(move.move_class); !mark.isEmpty()) first += " " + mark;
    // The endgame table's verdicts: the move's, and the better move's on its line.
    const auto exact = [&](const endgame::EndgameValue& value) {
        return move.exact ? " (" + QString::fromStdString(ExactValueText(value)) + ")" : QString();
    };
    if (move.exact) first += exact(move.exact->played);
    lines << first;
    const bool worth_a_better_move = move.move_class == MoveClass::kMistake ||
                                     move.move_class == MoveClass::kBlunder ||
                                     move.move_class == MoveClass::kMissedWin;
    if (worth_a_better_move) {
        lines << QString::fromStdString(
                     lang::FormatText(Message(lang::message::kSheetBetterMove),
                                      {MoveText(move.best.From, move.best.To)})) +
                     (move.exact ? exact(move.exact->best) : QString());
    }
    return lines;
}

namespace {

// What every page of one sheet is drawn from: shared by the document's copies (the
// preview's, and the print job's on its worker) and only read, so pages are drawn one at a
// time as they are shown or printed and a game of any length keeps none of them.
struct SheetSource {
    Tjeu game;
    GameAnalysis analysis;
    QStringList header;
    std::vector<int> header_heights;  // of the lines after the title, wrapped to the page
    int title_height = 0;
    int line = 0;
    int moves = 0;
    SheetLayout layout;
};

// The header: the title centred, then each line wrapped within the margins.
void DrawHeader(QPainter& painter, const SheetSource& sheet) {
    const PageGeometry& page = sheet.layout.page;
    const int width = page.width - 2 * page.margin_x;
    painter.setFont(SheetFont(kTitlePixels, true));
    painter.drawText(QRect(page.margin_x, page.margin_y, width, sheet.title_height),
                     Qt::AlignHCenter | Qt::AlignTop, sheet.header[0]);
    painter.setFont(SheetFont(kTextPixels, false));
    int top = page.margin_y + sheet.title_height;
    for (int k = 1; k < sheet.header.size(); ++k) {
        const int height = sheet.header_heights[static_cast<std::size_t>(k - 1)];
        painter.drawText(QRect(page.margin_x, top, width, height),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, sheet.header[k]);
        top += height;
    }
}

void DrawMoveCell(QPainter& painter, const SheetSource& sheet, int number) {
    const SheetLayout& layout = sheet.layout;
    const QFont text_font = SheetFont(kTextPixels, false);
    const QFontMetrics text_metrics(text_font);
    CellPlace place = PlaceOf(layout, number - 1);
    place.top += sheet.line;  // the digits' line
    const int left = place.left + (layout.column_width - kSheetDiagram) / 2;
    const HistoryEntry& before = sheet.game.History[static_cast<std::size_t>(number - 1)];
    const HistoryEntry& entry = sheet.game.History[static_cast<std::size_t>(number)];
    DrawPosition(painter, left, place.top, kSheetDiagram, before.Cells, false);
    const DiagramGeometry geometry = MeasureDiagram(left, place.top, kSheetDiagram);
    MarkMove(painter, geometry, entry.From, entry.To);
    painter.setPen(Qt::black);
    painter.setFont(text_font);
    WriteCoordinates(painter, geometry);
    const QStringList caption = SheetCaption(sheet.game, sheet.analysis, number);
    const int caption_top = place.top + kSheetDiagram + kCaptionGap;
    for (int k = 0; k < caption.size(); ++k) {
        const QString text =
            text_metrics.elidedText(caption[k], Qt::ElideRight, layout.column_width - kCaptionGap);
        // Centred under its diagram.
        const int x = place.left + (layout.column_width - text_metrics.horizontalAdvance(text)) / 2;
        painter.drawText(QPointF(x, caption_top + k * sheet.line + text_metrics.ascent()), text);
    }
}

// The moves (0 first) page `page` holds: [first, end).
std::pair<int, int> MovesOnPage(const SheetLayout& layout, int page, int moves) {
    const int first_page_moves = layout.rows_first_page * kColumns;
    const int page_moves = layout.rows_per_page * kColumns;
    const std::int64_t first =
        page == 0 ? 0 : first_page_moves + std::int64_t{page - 1} * page_moves;
    const std::int64_t end = first + (page == 0 ? first_page_moves : page_moves);
    return {static_cast<int>(std::min<std::int64_t>(first, moves)),
            static_cast<int>(std::min<std::int64_t>(end, moves))};
}

QPicture DrawSheetPage(const SheetSource& sheet, int page) {
    QPicture picture;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setFont(SheetFont(kTextPixels, false));
    if (page == 0) DrawHeader(painter, sheet);
    const auto [first, end] = MovesOnPage(sheet.layout, page, sheet.moves);
    for (int index = first; index < end; ++index) DrawMoveCell(painter, sheet, index + 1);
    painter.end();
    return picture;
}

}  // namespace

PrintDocument ComposeGameSheet(const Tjeu& game, const GameAnalysis& analysis, const QDate& date) {
    PrintDocument document;
    document.units_per_inch = QPicture().logicalDpiY();
    const PageGeometry page = A4Portrait(document.units_per_inch);
    document.page_size = QSize(page.width, page.height);

    auto sheet = std::make_shared<SheetSource>();
    sheet->game = game;
    sheet->analysis = analysis;
    sheet->header = SheetHeader(game, date);
    const QFontMetrics text_metrics(SheetFont(kTextPixels, false));
    sheet->line = text_metrics.height();
    sheet->title_height = QFontMetrics(SheetFont(kTitlePixels, true)).height();
    int header_height = sheet->title_height;
    const QRect header_room(0, 0, page.width - 2 * page.margin_x, page.height);
    for (int k = 1; k < sheet->header.size(); ++k) {
        const int height =
            text_metrics.boundingRect(header_room, Qt::TextWordWrap, sheet->header[k]).height();
        sheet->header_heights.push_back(height);
        header_height += height;
    }
    sheet->layout = LayOutSheet(page, header_height, 2 * sheet->line);
    sheet->moves = LastRecordedEntry(game);
    document.page_count = sheet->moves == 0 ? 1 : PlaceOf(sheet->layout, sheet->moves - 1).page + 1;
    document.page_drawer = [sheet = std::shared_ptr<const SheetSource>(std::move(sheet))](
                               int number) { return DrawSheetPage(*sheet, number); };
    return document;
}

}  // namespace circumvia::dialogs
