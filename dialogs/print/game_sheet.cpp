#include "dialogs/print/game_sheet.h"

#include <QFileInfo>
#include <QFont>
#include <QFontMetrics>
#include <QLocale>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <memory>
#include <numbers>
#include <utility>
#include <vector>

#include "dialogs/chance_graph.h"
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
#include "model/movegen.h"
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
constexpr int kSmallestTitlePixels = 9;  // a diagram's title, where its words need the room
constexpr int kHeaderGap = 16;           // below the header, before the first row
constexpr int kMarkWidth = 3;            // the from and to cells' rings
constexpr int kRouteWidth = 3;           // a capture's path
constexpr int kGraphHeight = 190;
constexpr int kBlockGap = 6;   // above a heading of the first page
constexpr int kTitleGap = 10;  // below a diagram's title, above its column digits

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
    // Two lines above the diagram: its title, and its column digits.
    layout.row_height =
        caption_height + kTitleGap + kSheetDiagram + kCaptionGap + caption_height + kCellBottomGap;
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

QPoint CellPoint(const DiagramGeometry& g, int cell) {
    return {g.X(ColumnOf(cell)), g.Y(RowOf(cell))};
}

// The path of a capture from `from` along `route`: straight along a line between neighbours,
// round the corner loop outside the grid between the ends of a loop.
void DrawRoute(QPainter& painter, const DiagramGeometry& g, int from,
               const CapturePathCells& route) {
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(0xE0, 0x70, 0x00), kRouteWidth, Qt::DotLine, Qt::RoundCap));
    int a = from;
    for (const int b : route) {
        if (b == 0) break;
        const int row_a = RowOf(a), column_a = ColumnOf(a);
        const int row_b = RowOf(b), column_b = ColumnOf(b);
        if (std::abs(row_a - row_b) + std::abs(column_a - column_b) == 1) {
            painter.drawLine(CellPoint(g, a), CellPoint(g, b));
        } else {
            // A loop joins a cell of an edge row to a cell of an edge column round their
            // corner; it is centred on the corner and runs three quarters round outside.
            const bool a_on_row = row_a == 1 || row_a == kBoardSide;
            const int corner_row = a_on_row ? row_a : row_b;
            const int corner_column = a_on_row ? column_b : column_a;
            const QPoint corner(g.X(corner_column), g.Y(corner_row));
            const QPoint pa = CellPoint(g, a) - corner;
            const QPoint pb = CellPoint(g, b) - corner;
            const int radius = std::max(std::abs(pa.x()) + std::abs(pa.y()), 1);
            // Qt's angles turn anticlockwise on the page, whose y runs down.
            const double angle_a = std::atan2(-pa.y(), pa.x()) * 180 / std::numbers::pi;
            const double angle_b = std::atan2(-pb.y(), pb.x()) * 180 / std::numbers::pi;
            const double inside = std::remainder(angle_b - angle_a, 360.0);  // the quarter inside
            const double span = inside > 0 ? inside - 360 : inside + 360;
            painter.drawArc(QRect(corner.x() - radius, corner.y() - radius, 2 * radius, 2 * radius),
                            static_cast<int>(std::lround(angle_a * 16)),
                            static_cast<int>(std::lround(span * 16)));
        }
        a = b;
    }
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

std::vector<SheetBlock> SheetIntro(const Tjeu& game, const GameAnalysis& analysis) {
    const int base = lang::CaptionBase();
    const auto caption = [&](int number) {
        return QString::fromStdString(lang::Caption(base + number));
    };
    std::vector<SheetBlock> blocks;
    if (!analysis.moves.empty()) {
        blocks.push_back({SheetBlock::kHeading, caption(lang::caption::kSheetSummary)});
        const std::array<std::string, 3> names{std::string(),
                                               NameInTextUtf8(game.PlayerOf(kRed).Name),
                                               NameInTextUtf8(game.PlayerOf(kWhite).Name)};
        for (const QString& line : ReviewSummaryLines(analysis, names))
            blocks.push_back({SheetBlock::kText, line});
        blocks.push_back({SheetBlock::kHeading, caption(lang::caption::kSheetGraph)});
        blocks.push_back({SheetBlock::kGraph, QString()});
    }
    blocks.push_back({SheetBlock::kHeading, caption(lang::caption::kSheetLegend)});
    if (analysis.moves.empty()) {
        blocks.push_back({SheetBlock::kText, caption(lang::caption::kSheetNotAnalysed)});
    } else {
        blocks.push_back({SheetBlock::kText, ReviewLegend()});
    }
    blocks.push_back({SheetBlock::kText, caption(lang::caption::kSheetDiagramKey)});
    return blocks;
}

QString SheetDiagramTitle(const Tjeu& game, int number) {
    const int last = LastRecordedEntry(game);
    const int base = lang::CaptionBase();
    if (number > last) {
        return QString::fromStdString(lang::FormatText(
            lang::Caption(base + lang::caption::kSheetFinalPosition), {std::to_string(last)}));
    }
    const HistoryEntry& entry = game.History[static_cast<std::size_t>(number)];
    const int title =
        entry.Mover == kRed ? lang::caption::kSheetBeforeRed : lang::caption::kSheetBeforeWhite;
    return QString::fromStdString(
        lang::FormatText(lang::Caption(base + title), {std::to_string(number)}));
}

namespace {

// A line of the first page, wrapped to the page's width.
struct LaidBlock {
    SheetBlock block;
    int height = 0;
};

// What every page of one sheet is drawn from: shared by the document's copies (the
// preview's, and the print job's on its worker) and only read, so pages are drawn one at a
// time as they are shown or printed and a game of any length keeps none of them.
struct SheetSource {
    Tjeu game;
    GameAnalysis analysis;
    QStringList header;
    std::vector<int> header_heights;  // of the lines after the title, wrapped to the page
    std::vector<LaidBlock> intro;
    dialogs::ChanceGraph graph;
    std::string graph_title;
    int title_height = 0;
    int line = 0;
    int moves = 0;
    int diagrams = 0;  // the moves', then the final position's
    SheetLayout layout;
};

// The header: the title centred, then each line wrapped within the margins; then the
// summary, the graph and the legend.
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
    for (const LaidBlock& laid : sheet.intro) {
        const QRect room(page.margin_x, top, width, laid.height);
        switch (laid.block.kind) {
            case SheetBlock::kGraph:
                painter.setFont(SheetFont(kTextPixels, false));
                sheet.graph.Paint(painter, room, sheet.graph_title, -1, ChanceGraphInk{});
                break;
            case SheetBlock::kHeading:
                painter.setFont(SheetFont(kTextPixels, true));
                painter.drawText(room.adjusted(0, kBlockGap, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                                 laid.block.text);
                break;
            case SheetBlock::kText:
                painter.setFont(SheetFont(kTextPixels, false));
                painter.drawText(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                                 laid.block.text);
                break;
        }
        top += laid.height;
    }
    painter.setFont(SheetFont(kTextPixels, false));
}

// Diagram `number` (1 first) of `cells`: its title, its digits and letters, and under it
// `caption` centred; returns the diagram's measures for the marks drawn over it.
DiagramGeometry DrawCell(QPainter& painter, const SheetSource& sheet, int number,
                         const Position& cells, const QStringList& caption) {
    const SheetLayout& layout = sheet.layout;
    const QFont text_font = SheetFont(kTextPixels, false);
    const QFontMetrics text_metrics(text_font);
    CellPlace place = PlaceOf(layout, number - 1);
    const int room = layout.column_width - kCaptionGap;
    painter.setPen(Qt::black);
    // The title in bold, or plain, and then smaller, where a language's words need the room.
    const QString whole = SheetDiagramTitle(sheet.game, number);
    QFont title_font = SheetFont(kTextPixels, true);
    // A twentieth to spare: a printer's resolution lays the glyphs out a little wider.
    const int fit = room - room / 20;
    for (int pixels = kTextPixels; pixels >= kSmallestTitlePixels; --pixels) {
        title_font = SheetFont(pixels, pixels == kTextPixels);
        if (QFontMetrics(title_font, painter.device()).horizontalAdvance(whole) <= fit) break;
        title_font = SheetFont(pixels, false);
        if (QFontMetrics(title_font, painter.device()).horizontalAdvance(whole) <= fit) break;
    }
    painter.setFont(title_font);
    const QFontMetrics title_metrics(title_font, painter.device());
    const QString title = title_metrics.elidedText(whole, Qt::ElideRight, room);
    painter.drawText(
        QPointF(place.left + (layout.column_width - title_metrics.horizontalAdvance(title)) / 2,
                place.top + title_metrics.ascent()),
        title);
    place.top += 2 * sheet.line + kTitleGap;  // the title's line and the digits' line
    const int left = place.left + (layout.column_width - kSheetDiagram) / 2;
    DrawPosition(painter, left, place.top, kSheetDiagram, cells, false);
    const DiagramGeometry geometry = MeasureDiagram(left, place.top, kSheetDiagram);
    painter.setPen(Qt::black);
    painter.setFont(text_font);
    WriteCoordinates(painter, geometry);
    const int caption_top = place.top + kSheetDiagram + kCaptionGap;
    for (int k = 0; k < caption.size(); ++k) {
        const QString text = text_metrics.elidedText(caption[k], Qt::ElideRight, room);
        // Centred under its diagram.
        const int x = place.left + (layout.column_width - text_metrics.horizontalAdvance(text)) / 2;
        painter.drawText(QPointF(x, caption_top + k * sheet.line + text_metrics.ascent()), text);
    }
    return geometry;
}

void DrawMoveCell(QPainter& painter, const SheetSource& sheet, int number) {
    const HistoryEntry& before = sheet.game.History[static_cast<std::size_t>(number - 1)];
    const HistoryEntry& entry = sheet.game.History[static_cast<std::size_t>(number)];
    const DiagramGeometry geometry = DrawCell(painter, sheet, number, before.Cells,
                                              SheetCaption(sheet.game, sheet.analysis, number));
    if (IsCell(entry.From) && IsCell(entry.To)) {
        const CapturePathCells route = CapturePath(entry.From, entry.To, before.Cells);
        if (route[0] != 0) DrawRoute(painter, geometry, entry.From, route);
    }
    MarkMove(painter, geometry, entry.From, entry.To);
}

void DrawFinalCell(QPainter& painter, const SheetSource& sheet) {
    const HistoryEntry& last = sheet.game.History[static_cast<std::size_t>(sheet.moves)];
    DrawCell(painter, sheet, sheet.moves + 1, last.Cells, {});
}

// The diagrams (0 first) page `page` holds: [first, end).
std::pair<int, int> DiagramsOnPage(const SheetLayout& layout, int page, int diagrams) {
    const int first_page_diagrams = layout.rows_first_page * kColumns;
    const int page_diagrams = layout.rows_per_page * kColumns;
    const std::int64_t first =
        page == 0 ? 0 : first_page_diagrams + std::int64_t{page - 1} * page_diagrams;
    const std::int64_t end = first + (page == 0 ? first_page_diagrams : page_diagrams);
    return {static_cast<int>(std::min<std::int64_t>(first, diagrams)),
            static_cast<int>(std::min<std::int64_t>(end, diagrams))};
}

QPicture DrawSheetPage(const SheetSource& sheet, int page) {
    QPicture picture;
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.setFont(SheetFont(kTextPixels, false));
    if (page == 0) DrawHeader(painter, sheet);
    const auto [first, end] = DiagramsOnPage(sheet.layout, page, sheet.diagrams);
    for (int index = first; index < end; ++index) {
        if (index < sheet.moves) {
            DrawMoveCell(painter, sheet, index + 1);
        } else {
            DrawFinalCell(painter, sheet);
        }
    }
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
    const QFontMetrics heading_metrics(SheetFont(kTextPixels, true));
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
    for (const SheetBlock& block : SheetIntro(game, analysis)) {
        int height = kGraphHeight;
        if (block.kind == SheetBlock::kHeading)
            height = kBlockGap + heading_metrics.height();
        else if (block.kind == SheetBlock::kText)
            height = text_metrics.boundingRect(header_room, Qt::TextWordWrap, block.text).height();
        sheet->intro.push_back({block, height});
        header_height += height;
    }
    sheet->graph.SetMoves(analysis.moves);
    sheet->graph_title =
        lang::FormatText(lang::Caption(lang::CaptionBase() + lang::caption::kChanceAxis),
                         {NameInTextUtf8(game.PlayerOf(kRed).Name)});
    sheet->layout = LayOutSheet(page, header_height, 2 * sheet->line);
    sheet->moves = LastRecordedEntry(game);
    sheet->diagrams = sheet->moves == 0 ? 0 : sheet->moves + 1;
    document.page_count =
        sheet->diagrams == 0 ? 1 : PlaceOf(sheet->layout, sheet->diagrams - 1).page + 1;
    document.page_drawer = [sheet = std::shared_ptr<const SheetSource>(std::move(sheet))](
                               int number) { return DrawSheetPage(*sheet, number); };
    return document;
}

}  // namespace circumvia::dialogs
