#include "dialogs/print/page_preview.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "dialogs/print/print_output.h"

namespace circumvia::dialogs {

PagePreview::PagePreview(QWidget* parent) : QAbstractScrollArea(parent) {
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
}

void PagePreview::SetDocument(PrintDocument document) {
    document_ = std::move(document);
    current_page_ = 0;
    UpdateScrollBars();
    viewport()->update();
    Q_EMIT DocumentChanged();
    Q_EMIT CurrentPageChanged(current_page_);
}

void PagePreview::SetCurrentPage(int page) {
    page = std::clamp(page, 0, std::max(0, PageCount() - 1));
    if (page == current_page_) return;
    current_page_ = page;
    verticalScrollBar()->setValue(0);
    viewport()->update();
    Q_EMIT CurrentPageChanged(current_page_);
}

void PagePreview::SetZoom(int percent) {
    state_ = ZoomState::kPercent;
    percent_ = ClampZoom(percent);
    UpdateScrollBars();
    viewport()->update();
    Q_EMIT ZoomChanged();
}

void PagePreview::SetZoomState(ZoomState state) {
    state_ = state;
    UpdateScrollBars();
    viewport()->update();
    Q_EMIT ZoomChanged();
}

double PagePreview::Scale() const {
    return PreviewScale(state_, percent_, document_.page_size, viewport()->size());
}

QPrinter::PrinterMode PagePreview::PrinterMode() const {
    return fast_printing_ ? QPrinter::ScreenResolution : QPrinter::HighResolution;
}

bool PagePreview::Print(QPrinter& printer) const {
    return PrintPages(document_, printer);
}

QSize PagePreview::ScaledPageSize() const {
    const double scale = Scale();
    return QSize(static_cast<int>(std::lround(document_.page_size.width() * scale)),
                 static_cast<int>(std::lround(document_.page_size.height() * scale)));
}

QRect PagePreview::PageRect() const {
    const QSize page = ScaledPageSize();
    const QSize view = viewport()->size();
    // A page narrower than the view is centred in it, a wider one scrolls.
    const int x = page.width() + 2 * kPageGap <= view.width()
                      ? (view.width() - page.width()) / 2
                      : kPageGap - horizontalScrollBar()->value();
    const int y = page.height() + 2 * kPageGap <= view.height()
                      ? (view.height() - page.height()) / 2
                      : kPageGap - verticalScrollBar()->value();
    return QRect(QPoint(x, y), page);
}

void PagePreview::UpdateScrollBars() {
    const QSize page = ScaledPageSize();
    const QSize view = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, page.width() + 2 * kPageGap - view.width()));
    horizontalScrollBar()->setPageStep(view.width());
    verticalScrollBar()->setRange(0, std::max(0, page.height() + 2 * kPageGap - view.height()));
    verticalScrollBar()->setPageStep(view.height());
    verticalScrollBar()->setSingleStep(20);
    horizontalScrollBar()->setSingleStep(20);
}

void PagePreview::paintEvent(QPaintEvent*) {
    if (PageCount() == 0) return;
    QPainter painter(viewport());
    const QRect page = PageRect();
    painter.fillRect(page.translated(3, 3), palette().color(QPalette::Shadow));
    painter.fillRect(page, Qt::white);
    painter.setClipRect(page);
    painter.translate(page.topLeft());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawPage(painter, document_, current_page_, Scale());
}

void PagePreview::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void PagePreview::wheelEvent(QWheelEvent* event) {
    const int delta = event->angleDelta().y();
    if (delta == 0) return QAbstractScrollArea::wheelEvent(event);
    if (event->modifiers() & Qt::ControlModifier) {
        SetZoom(StepZoom(Scale(), delta > 0 ? 1 : -1));
        event->accept();
        return;
    }
    QScrollBar* bar = verticalScrollBar();
    // Past the end of the page's own scrolling the wheel turns the page.
    if (delta < 0 && bar->value() == bar->maximum() && current_page_ + 1 < PageCount()) {
        SetCurrentPage(current_page_ + 1);
        bar->setValue(bar->minimum());
    } else if (delta > 0 && bar->value() == bar->minimum() && current_page_ > 0) {
        SetCurrentPage(current_page_ - 1);
        bar->setValue(bar->maximum());
    } else {
        return QAbstractScrollArea::wheelEvent(event);
    }
    event->accept();
}

void PagePreview::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_PageDown:
            SetCurrentPage(current_page_ + 1);
            break;
        case Qt::Key_PageUp:
            SetCurrentPage(current_page_ - 1);
            break;
        case Qt::Key_Home:
            SetCurrentPage(0);
            break;
        case Qt::Key_End:
            SetCurrentPage(PageCount() - 1);
            break;
        case Qt::Key_Plus:
            SetZoom(StepZoom(Scale(), 1));
            break;
        case Qt::Key_Minus:
            SetZoom(StepZoom(Scale(), -1));
            break;
        default:
            return QAbstractScrollArea::keyPressEvent(event);
    }
    event->accept();
}

}  // namespace circumvia::dialogs
