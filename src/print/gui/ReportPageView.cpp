#include "print/gui/ReportPageView.h"

#include "print/gui/ReportPainter.h"

#include <QPainter>
#include <QStyle>

namespace {

constexpr int kBorder = 10; // grey around the sheet

} // namespace

ReportPageView::ReportPageView(ReportPainter& report, QWidget* parent) : QWidget(parent), m_report(report) {
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(128, 128, 128));
    setPalette(pal);
}

void ReportPageView::setPage(int page) {
    m_page = qBound(0, page, qMax(0, m_report.pageCount() - 1));
    update();
}

void ReportPageView::setZoom(Zoom zoom) {
    m_zoom = zoom;
    relayout();
}

void ReportPageView::setAvailableSize(const QSize& size) {
    m_available = size;
    relayout();
}

double ReportPageView::dotsPerMm() const {
    const QSizeF sheet = m_report.document().page.pageSize();
    // Fitted to the width, the page is taller than the view: leave room for the vertical scroll bar.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const double width = qMax(50, m_available.width() - 2 * kBorder - scrollBar) / sheet.width();
    switch (m_zoom) {
    case Zoom::WholePage:
        return qMin(qMax(50, m_available.width() - 2 * kBorder) / sheet.width(),
                    qMax(50, m_available.height() - 2 * kBorder) / sheet.height());
    case Zoom::PageWidth:
        return width;
    case Zoom::Actual:
        break;
    }
    return logicalDpiX() / 25.4;
}

QSize ReportPageView::pageSizePx() const {
    const QSizeF sheet = m_report.document().page.pageSize() * dotsPerMm();
    return QSize(qRound(sheet.width()), qRound(sheet.height()));
}

QSize ReportPageView::sizeHint() const {
    return pageSizePx() + QSize(2 * kBorder, 2 * kBorder);
}

void ReportPageView::relayout() {
    const QSize wanted = sizeHint();
    const bool tall = wanted.height() > m_available.height();
    const int scrollBar = tall ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    resize(qMax(wanted.width(), m_available.width() - scrollBar),
           qMax(wanted.height(), m_available.height()));
    m_cachePage = -1;
    update();
}

void ReportPageView::paintEvent(QPaintEvent*) {
    if (m_report.pageCount() == 0)
        return;
    const double dots = dotsPerMm() * devicePixelRatioF();
    if (m_cachePage != m_page || !qFuzzyCompare(m_cacheDots, dots)) {
        m_cache = m_report.renderPage(m_page, dots);
        m_cache.setDevicePixelRatio(devicePixelRatioF());
        m_cachePage = m_page;
        m_cacheDots = dots;
    }
    const QSize sheet = pageSizePx();
    const QPoint origin(qMax(kBorder, (width() - sheet.width()) / 2), kBorder);
    QPainter p(this);
    p.fillRect(QRect(origin + QPoint(4, 4), sheet), QColor(64, 64, 64));
    p.drawImage(origin, m_cache);
    p.setPen(Qt::black);
    p.drawRect(QRect(origin, sheet).adjusted(0, 0, -1, -1));
}
