#pragma once

#include <QImage>
#include <QWidget>

class ReportPainter;

// One page of a report on screen, scaled: the whole page, its full width, or its real size. The
// page is drawn at the resolution it is shown with, so text stays sharp at every zoom.
class ReportPageView : public QWidget {
    Q_OBJECT
public:
    enum class Zoom { WholePage, PageWidth, Actual };

    explicit ReportPageView(ReportPainter& report, QWidget* parent = nullptr);
    const ReportPainter& report() const { return m_report; }

    int page() const { return m_page; } // 0-based
    void setPage(int page);
    Zoom zoom() const { return m_zoom; }
    void setZoom(Zoom zoom);
    // Screen pixels per millimetre of paper, for the zoom and the space it is shown in.
    double dotsPerMm() const;
    // The space the view fits the page into (the scroll area's viewport).
    void setAvailableSize(const QSize& size);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void relayout();
    QSize pageSizePx() const;

    ReportPainter& m_report;
    int m_page = 0;
    Zoom m_zoom = Zoom::PageWidth;
    QSize m_available{400, 300};
    QImage m_cache;
    int m_cachePage = -1;
    double m_cacheDots = 0;
};
