#pragma once
// The page preview: shows one page of a composed document at a zoom or fitted to the view,
// pages with the wheel (at the end of the page's scrolling) and the keyboard, and prints.

#include <QAbstractScrollArea>
#include <QPrinter>

#include "dialogs/print/preview_zoom.h"
#include "dialogs/print/print_document.h"

namespace circumvia::dialogs {

class PagePreview : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit PagePreview(QWidget* parent = nullptr);

    void SetDocument(PrintDocument document);
    const PrintDocument& Document() const { return document_; }
    int PageCount() const { return document_.page_count; }
    int CurrentPage() const { return current_page_; }
    void SetCurrentPage(int page);

    // A percentage (kept within 10..500) leaves any fit state.
    void SetZoom(int percent);
    void SetZoomState(ZoomState state);
    ZoomState State() const { return state_; }
    // The percentage in force in kPercent.
    int Percent() const { return percent_; }
    // Screen pixels per page unit as the page is shown now.
    double Scale() const;

    // Fast printing drives the printer at the screen's resolution (a smaller job),
    // otherwise at its full resolution. Direct printing is kept for whoever composes the
    // next document; a document already composed prints the same either way.
    void SetFastPrinting(bool on) { fast_printing_ = on; }
    bool FastPrinting() const { return fast_printing_; }
    void SetDirectPrinting(bool on) { direct_printing_ = on; }
    bool DirectPrinting() const { return direct_printing_; }
    QPrinter::PrinterMode PrinterMode() const;

    // Every page, first to last; false when the printer could not be started.
    bool Print(QPrinter& printer) const;

    // Where the page stands in the viewport.
    QRect PageRect() const;

Q_SIGNALS:
    void CurrentPageChanged(int page);
    // The zoom or its state was set (from the zoom list, the keys or the wheel).
    void ZoomChanged();
    void DocumentChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QSize ScaledPageSize() const;
    void UpdateScrollBars();

    PrintDocument document_;
    int current_page_ = 0;
    ZoomState state_ = ZoomState::kWholePage;
    int percent_ = 100;
    bool fast_printing_ = true;
    bool direct_printing_ = false;
};

}  // namespace circumvia::dialogs
