#pragma once
// A strip of small pictures of a preview's pages; choosing one shows that page in the
// preview, and turning pages in the preview selects its picture here. A picture is drawn
// only when its row comes into view, and only the last few drawn are kept, so a record of
// thousands of pages opens at once.

#include <QCache>
#include <QImage>
#include <QListWidget>

namespace circumvia::dialogs {

class PagePreview;

class ThumbnailPreview : public QListWidget {
    Q_OBJECT
public:
    explicit ThumbnailPreview(QWidget* parent = nullptr);

    // Follows `preview`'s document and current page from now on.
    void SetPreview(PagePreview* preview);

    // The small picture of page `page`, drawn now unless drawn lately.
    const QImage& Picture(int page);
    QSize PictureSize() const;

private:
    void Rebuild();

    PagePreview* preview_ = nullptr;
    QCache<int, QImage> pictures_;
};

}  // namespace circumvia::dialogs
