#include "dialogs/ratings_window.h"

#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>

#include "dialogs/display_text.h"
#include "dialogs/rating_text.h"
#include "lang/language.h"
#include "lang/text_ids.h"

namespace circumvia::dialogs {

namespace {

constexpr int kGraphHeight = 120;
constexpr int kGraphMargin = 8;
constexpr int kWindowWidth = 420;
constexpr int kWindowHeight = 380;
constexpr int kPointRadius = 2;
// The scale never spans less than this, so a steady rating is not drawn as a wild one.
constexpr int kLeastSpan = 40;
enum Column { kNameColumn, kRatingColumn, kGamesColumn, kColumns };

QString CaptionText(int k) {
    return QString::fromStdString(lang::Caption(lang::CaptionBase() + k));
}

QTableWidgetItem* ReadOnlyItem(const QString& text, Qt::Alignment alignment) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    item->setTextAlignment(alignment | Qt::AlignVCenter);
    return item;
}

}  // namespace

TRatingGraph::TRatingGraph(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(kGraphHeight);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
}

void TRatingGraph::SetRatings(std::vector<int> ratings) {
    ratings_ = std::move(ratings);
    update();
}

void TRatingGraph::paintEvent(QPaintEvent*) {
    if (ratings_.empty()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const auto [lowest, highest] = std::minmax_element(ratings_.begin(), ratings_.end());
    // In a wide type: the ratings come from a file the user may have edited.
    const int middle = static_cast<int>((std::int64_t{*lowest} + *highest) / 2);
    const int low = std::min(*lowest, middle - kLeastSpan / 2);
    const int high = std::max(*highest, middle + kLeastSpan / 2);

    const QString high_text = RatingNumberText(high);
    const QString low_text = RatingNumberText(low);
    const int label_width = std::max(painter.fontMetrics().horizontalAdvance(high_text),
                                     painter.fontMetrics().horizontalAdvance(low_text));
    const QRectF area(kGraphMargin * 2 + label_width, kGraphMargin,
                      width() - label_width - kGraphMargin * 3, height() - kGraphMargin * 2);
    painter.setPen(Qt::darkGray);
    painter.drawText(QRectF(kGraphMargin, area.top(), label_width, area.height()),
                     Qt::AlignRight | Qt::AlignTop, high_text);
    painter.drawText(QRectF(kGraphMargin, area.top(), label_width, area.height()),
                     Qt::AlignRight | Qt::AlignBottom, low_text);
    painter.setPen(Qt::lightGray);
    painter.drawRect(area);

    const auto point = [&](std::size_t k) {
        const double x_share =
            ratings_.size() == 1 ? 0.5 : static_cast<double>(k) / (ratings_.size() - 1);
        const double y_share = static_cast<double>(ratings_[k] - low) / (high - low);
        return QPointF(area.left() + x_share * area.width(),
                       area.bottom() - y_share * area.height());
    };
    QPolygonF line;
    for (std::size_t k = 0; k < ratings_.size(); ++k) line << point(k);
    painter.setPen(QPen(QColor(30, 80, 170), 2));
    painter.drawPolyline(line);
    painter.setBrush(QColor(30, 80, 170));
    for (const QPointF& at : line) painter.drawEllipse(at, kPointRadius, kPointRadius);
}

TRatingsWindow::TRatingsWindow(QWidget* owner) : QDialog(owner) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setAttribute(Qt::WA_DeleteOnClose);
    Lab_empty = new QLabel(this);
    Table = new QTableWidget(0, kColumns, this);
    Table->verticalHeader()->hide();
    Table->setSelectionBehavior(QAbstractItemView::SelectRows);
    Table->setSelectionMode(QAbstractItemView::SingleSelection);
    Table->horizontalHeader()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    Table->horizontalHeader()->setSectionResizeMode(kRatingColumn, QHeaderView::ResizeToContents);
    Table->horizontalHeader()->setSectionResizeMode(kGamesColumn, QHeaderView::ResizeToContents);
    Lab_graph = new QLabel(this);
    Graph = new TRatingGraph(this);
    BitBtn_close = new QPushButton(this);

    auto* column = new QVBoxLayout(this);
    column->addWidget(Lab_empty);
    column->addWidget(Table, 1);
    column->addWidget(Lab_graph);
    column->addWidget(Graph);
    column->addWidget(BitBtn_close, 0, Qt::AlignRight);

    connect(Table, &QTableWidget::itemSelectionChanged, this,
            &TRatingsWindow::ShowGraphOfChosenRow);
    connect(BitBtn_close, &QPushButton::clicked, this, &QDialog::close);
    resize(kWindowWidth, kWindowHeight);
    Relabel();
}

void TRatingsWindow::ShowRatings(std::vector<RatingRow> rows, const QString& chosen) {
    rows_ = std::move(rows);
    FillTable();
    const auto found = std::find_if(rows_.begin(), rows_.end(),
                                    [&](const RatingRow& row) { return row.name == chosen; });
    const int row = found == rows_.end() ? 0 : static_cast<int>(found - rows_.begin());
    if (!rows_.empty()) Table->selectRow(row);
    ShowGraphOfChosenRow();
    Lab_empty->setVisible(rows_.empty());
}

void TRatingsWindow::FillTable() {
    Table->setRowCount(static_cast<int>(rows_.size()));
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        const int row = static_cast<int>(k);
        const RatingRow& shown = rows_[k];
        Table->setItem(row, kNameColumn,
                       ReadOnlyItem(ShownName(shown.name.toStdString()), Qt::AlignLeft));
        Table->setItem(row, kRatingColumn,
                       ReadOnlyItem(RatingNumberText(shown.rating), Qt::AlignRight));
        Table->setItem(row, kGamesColumn,
                       ReadOnlyItem(QString::number(shown.games), Qt::AlignRight));
    }
}

void TRatingsWindow::ShowGraphOfChosenRow() {
    const int row = Table->currentRow();
    const bool chosen = row >= 0 && row < static_cast<int>(rows_.size());
    Graph->SetRatings(chosen ? rows_[static_cast<std::size_t>(row)].history : std::vector<int>{});
}

void TRatingsWindow::Relabel() {
    setWindowTitle(CaptionText(lang::caption::kRatingsItem));
    Table->setHorizontalHeaderLabels({CaptionText(lang::caption::kRatingsColumnPlayer),
                                      CaptionText(lang::caption::kRatingsColumnRating),
                                      CaptionText(lang::caption::kRatingsColumnGames)});
    Lab_empty->setText(QString::fromStdString(lang::LoadText(lang::message::kNoRatedGames)));
    Lab_graph->setText(CaptionText(lang::caption::kRatingsGraph));
    BitBtn_close->setText(CaptionText(lang::caption::kRatingsClose));
    FillTable();  // the ratings are written the new language's way
    Graph->update();
}

}  // namespace circumvia::dialogs
