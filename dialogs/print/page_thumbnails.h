#pragma once
// A strip of small pictures of a preview's pages; choosing one shows that page in the
// preview, and turning pages in the preview selects its picture here.

#include <QListWidget>

namespace circumvia::dialogs {

class PagePreview;

class ThumbnailPreview : public QListWidget {
    Q_OBJECT
public:
    explicit ThumbnailPreview(QWidget* parent = nullptr);

    // Follows `preview`'s document and current page from now on.
    void SetPreview(PagePreview* preview);

private:
    void Rebuild();

    PagePreview* preview_ = nullptr;
};

}  // namespace circumvia::dialogs
