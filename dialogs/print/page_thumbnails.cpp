#include "dialogs/print/page_thumbnails.h"

#include <QPainter>
#include <QStyledItemDelegate>

#include "dialogs/print/page_preview.h"

namespace circumvia::dialogs {

namespace {

constexpr int kThumbnailWidth = 100;
constexpr int kPicturesKept = 48;  // a few strips' worth
constexpr int kNumberGap = 2;      // between a picture and its page number

QImage Thumbnail(const PrintDocument& document, int page) {
    const double scale = double(kThumbnailWidth) / document.page_size.width();
    QImage image(kThumbnailWidth, qRound(document.page_size.height() * scale),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    DrawPage(painter, document, page, scale);
    painter.setPen(Qt::gray);
    painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
    return image;
}

// Draws each row's picture as it is painted, with the page number under it.
class ThumbnailDelegate : public QStyledItemDelegate {
public:
    explicit ThumbnailDelegate(ThumbnailPreview& strip)
        : QStyledItemDelegate(&strip), strip_(strip) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        const QSize picture = strip_.PictureSize();
        return {picture.width() + 2 * kNumberGap,
                picture.height() + 2 * kNumberGap + option.fontMetrics.height()};
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem row = option;
        initStyleOption(&row, index);
        if (row.state & QStyle::State_Selected)
            painter->fillRect(row.rect, row.palette.brush(QPalette::Highlight));
        const QImage& picture = strip_.Picture(index.row());
        const QPoint corner(row.rect.center().x() - picture.width() / 2,
                            row.rect.top() + kNumberGap);
        painter->drawImage(corner, picture);
        const QRect number(row.rect.left(), corner.y() + picture.height() + kNumberGap,
                           row.rect.width(), row.fontMetrics.height());
        painter->setPen(row.palette.color(
            row.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(number, Qt::AlignHCenter | Qt::AlignTop, row.text);
    }

private:
    ThumbnailPreview& strip_;
};

}  // namespace

ThumbnailPreview::ThumbnailPreview(QWidget* parent) : QListWidget(parent) {
    setViewMode(QListView::IconMode);
    setFlow(QListView::TopToBottom);
    setWrapping(false);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setSpacing(6);
    setItemDelegate(new ThumbnailDelegate(*this));
    pictures_.setMaxCost(kPicturesKept);
}

QSize ThumbnailPreview::PictureSize() const {
    if (!preview_ || preview_->PageCount() == 0) return {kThumbnailWidth, kThumbnailWidth};
    const QSize page = preview_->Document().page_size;
    return {kThumbnailWidth, qRound(kThumbnailWidth * double(page.height()) / page.width())};
}

const QImage& ThumbnailPreview::Picture(int page) {
    if (QImage* kept = pictures_.object(page)) return *kept;
    auto* picture = new QImage(Thumbnail(preview_->Document(), page));
    pictures_.insert(page, picture);
    return *picture;
}

void ThumbnailPreview::SetPreview(PagePreview* preview) {
    if (preview_) disconnect(preview_, nullptr, this, nullptr);
    preview_ = preview;
    Rebuild();
    if (!preview_) return;
    connect(preview_, &PagePreview::DocumentChanged, this, &ThumbnailPreview::Rebuild);
    connect(preview_, &PagePreview::CurrentPageChanged, this, [this](int page) {
        if (currentRow() != page) setCurrentRow(page);
    });
    connect(this, &QListWidget::currentRowChanged, preview_, [this](int row) {
        if (row >= 0) preview_->SetCurrentPage(row);
    });
}

void ThumbnailPreview::Rebuild() {
    const QSignalBlocker quiet(this);
    clear();
    pictures_.clear();
    if (!preview_ || preview_->PageCount() == 0) return;
    for (int page = 0; page < preview_->PageCount(); ++page) {
        auto* item = new QListWidgetItem(QString::number(page + 1), this);
        item->setTextAlignment(Qt::AlignHCenter);
    }
    setCurrentRow(preview_->CurrentPage());
}

}  // namespace circumvia::dialogs
