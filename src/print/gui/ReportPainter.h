#pragma once

#include "print/ReportDocument.h"

#include <QCache>
#include <QFont>
#include <QImage>
#include <QStringList>

class QPageLayout;
class QPagedPaintDevice;
class QPainter;

// The report engine's drawing side: paints the pages of a laid-out report on any paged device
// (a printer, a PDF writer) or into page images for the preview, with the same code.
class ReportPainter {
public:
    explicit ReportPainter(const ReportDocument& document);

    const ReportDocument& document() const { return m_doc; }
    const QList<ReportDocument::Page>& pages() const { return m_pages; }
    int pageCount() const { return int(m_pages.size()); }

    // Paper, orientation and margins of the document for a paged device.
    static QPageLayout pageLayout(const PageSetup& page);
    // Sets the device's page layout and paints every page; false when painting could not start.
    bool print(QPagedPaintDevice& device);
    // Writes a PDF; the file is replaced only when it was written completely.
    // Replaces the file whole (AtomicFile); false with the reason in German words when it cannot.
    bool writePdf(const QString& path, QString* reason = nullptr);
    // The lines a wrapped text item shows in a box of this size (millimetres).
    static QStringList wrappedLines(const ReportFont& font, const QString& text, const QSizeF& box);
    // The whole sheet of page `index` (0-based), white, at the given resolution.
    QImage renderPage(int index, double dotsPerMm);
    // Paints page `index` with the painter's origin at the top left of the content, in hundredths
    // of a millimetre.
    void paintPage(QPainter& painter, int index);

private:
    void paintBand(QPainter& painter, const ReportBand& band, double top, double left = 0);
    void paintItem(QPainter& painter, const ReportItem& item);
    const QImage& picture(const QString& path);

    ReportDocument m_doc;
    QList<ReportDocument::Page> m_pages;
    // Photos print at print resolution (2 MB each decoded): only the recent ones stay in memory.
    QCache<QString, QImage> m_pictures{64 * 1024}; // KiB
    QImage m_uncached;
};
