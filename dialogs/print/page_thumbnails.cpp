#include "dialogs/print/page_thumbnails.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>

#include "dialogs/print/page_preview.h"

namespace circumvia::dialogs {

namespace {

constexpr int kThumbnailWidth = 100;

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

}  // namespace

ThumbnailPreview::ThumbnailPreview(QWidget* parent) : QListWidget(parent) {
    setViewMode(QListView::IconMode);
    setFlow(QListView::TopToBottom);
    setWrapping(false);
    setMovement(QListView::Static);
    setResizeMode(QListView::Adjust);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSpacing(6);
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
    if (!preview_ || preview_->PageCount() == 0) return;
    const PrintDocument& document = preview_->Document();
    setIconSize(
        QSize(kThumbnailWidth, qRound(kThumbnailWidth * double(document.page_size.height()) /
                                      document.page_size.width())));
    for (int page = 0; page < preview_->PageCount(); ++page) {
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(Thumbnail(document, page))),
                                         QString::number(page + 1), this);
        item->setTextAlignment(Qt::AlignHCenter);
    }
    setCurrentRow(preview_->CurrentPage());
}

}  // namespace circumvia::dialogs
