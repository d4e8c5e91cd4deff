#include "print/gui/ReportPainter.h"

#include "print/gui/QtReportMeasurer.h"
#include "store/AtomicFile.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QTextLayout>

namespace {

constexpr double kUnits = QtReportMeasurer::kUnitsPerMm;

QRectF units(const QRectF& mm) {
    return QRectF(mm.x() * kUnits, mm.y() * kUnits, mm.width() * kUnits, mm.height() * kUnits);
}

QString lineBreaks(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// Word-wrapped text, line by line, as far as whole lines fit: a text too long for its box ends
// with its last complete line instead of a line cut in half.
} // namespace

// The lines a box shows: its text wrapped as the layout wrapped it, as many whole lines as the box
// holds; a text that does not fit ends the last line with an ellipsis.
QStringList ReportPainter::wrappedLines(const ReportFont& font, const QString& text, const QSizeF& box) {
    const QtReportMeasurer measurer;
    QStringList lines = measurer.wrap(font, text, box.width());
    const int fitting = qMax(1, int(box.height() * 1.0001 / measurer.height(font)));
    if (lines.size() > fitting) {
        const QString rest = lines.mid(fitting - 1).join(QLatin1Char(' ')).simplified();
        lines.resize(fitting - 1);
        lines << QFontMetricsF(QtReportMeasurer::fontFor(font))
                     .elidedText(rest, Qt::ElideRight, box.width() * kUnits);
    }
    return lines;
}

ReportPainter::ReportPainter(const ReportDocument& document)
    : m_doc(document), m_pages(document.paginate()) {}

QPageLayout ReportPainter::pageLayout(const PageSetup& page) {
    const QPageSize size(page.paper == PrintSettings::Paper::A4 ? QPageSize::A4 : QPageSize::A5);
    const double m = page.margin;
    return QPageLayout(size, page.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(m, m, m, m), QPageLayout::Millimeter);
}

bool ReportPainter::print(QPagedPaintDevice& device) {
    device.setPageLayout(pageLayout(m_doc.page));
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double scale = device.logicalDpiX() / 25.4 / kUnits;
    for (int i = 0; i < pageCount(); ++i) {
        if (i > 0)
            device.newPage();
        painter.save();
        painter.scale(scale, device.logicalDpiY() / 25.4 / kUnits);
        paintPage(painter, i);
        painter.restore();
    }
    return painter.end();
}

bool ReportPainter::writePdf(const QString& path, QString* reason) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    bool painted = false;
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Velta Cocktails 98"));
        writer.setTitle(m_doc.details.isEmpty() ? QString() : QStringLiteral("Velta Cocktails 98"));
        painted = print(writer);
    }
    if (!painted) {
        if (reason)
            *reason = QStringLiteral("Die Seiten konnten nicht gezeichnet werden.");
        return false;
    }
    return AtomicFile::write(path, buffer.data(), reason);
}

QImage ReportPainter::renderPage(int index, double dotsPerMm) {
    const QSizeF sheet = m_doc.page.pageSize();
    QImage image(qRound(sheet.width() * dotsPerMm), qRound(sheet.height() * dotsPerMm), QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
    image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(dotsPerMm / kUnits, dotsPerMm / kUnits);
    painter.translate(m_doc.page.margin * kUnits, m_doc.page.margin * kUnits);
    paintPage(painter, index);
    return image;
}

void ReportPainter::paintPage(QPainter& painter, int index) {
    if (index < 0 || index >= pageCount())
        return;
    // Nothing is drawn outside the content area: a band taller than a page is cut at its bottom.
    painter.setClipRect(units(QRectF(0, 0, m_doc.page.contentWidth(), m_doc.page.contentHeight())));
    if (m_doc.header.height > 0)
        paintBand(painter, m_doc.header, 0);
    for (const ReportDocument::Placement& p : m_pages.at(index))
        paintBand(painter, m_doc.details.at(p.band), p.top, p.left);
    painter.setClipping(false);
}

void ReportPainter::paintBand(QPainter& painter, const ReportBand& band, double top, double left) {
    painter.save();
    painter.translate(left * kUnits, top * kUnits);
    for (const ReportItem& item : band.items)
        paintItem(painter, item);
    painter.restore();
}

void ReportPainter::paintItem(QPainter& painter, const ReportItem& item) {
    const QRectF r = units(item.rect);
    switch (item.kind) {
    case ReportItem::Kind::Picture:
        if (const QImage& image = picture(item.text); !image.isNull())
            painter.drawImage(r, image);
        return;
    case ReportItem::Kind::DottedLine: {
        QPen pen(Qt::black, 0.25 * kUnits, Qt::DotLine);
        painter.setPen(pen);
        // A line without width runs down: the cut lines of a card sheet.
        painter.drawLine(r.topLeft(), r.width() > 0 ? r.topRight() : r.bottomLeft());
        return;
    }
    case ReportItem::Kind::Text:
        break;
    }
    painter.save();
    painter.setClipRect(r, Qt::IntersectClip);
    painter.setPen(Qt::black);
    const QFont font = QtReportMeasurer::fontFor(item.font);
    const QString text = QtReportMeasurer::shownText(item.font, lineBreaks(item.text));
    if (item.wrap) {
        painter.setFont(font);
        const QStringList lines = wrappedLines(item.font, item.text, item.rect.size());
        const double lineHeight = QFontMetricsF(font).height();
        for (qsizetype k = 0; k < lines.size(); ++k)
            painter.drawText(QRectF(r.left(), r.top() + double(k) * lineHeight, r.width(), lineHeight),
                             int(item.alignment & Qt::AlignHorizontal_Mask) | int(Qt::AlignTop) |
                                 int(Qt::TextSingleLine),
                             QtReportMeasurer::shownText(item.font, lines.at(k)));
    } else {
        painter.setFont(font);
        painter.drawText(r, int(item.alignment) | int(Qt::TextSingleLine), text);
    }
    painter.restore();
}

const QImage& ReportPainter::picture(const QString& path) {
    if (QImage* cached = m_pictures.object(path))
        return *cached;
    QImage image = path.isEmpty() ? QImage() : QImage(path);
    const qsizetype kib = std::max<qsizetype>(1, image.sizeInBytes() / 1024);
    // An image larger than the whole cache is not kept; it is still drawn.
    if (kib > m_pictures.maxCost()) {
        m_uncached = std::move(image);
        return m_uncached;
    }
    auto* kept = new QImage(std::move(image));
    m_pictures.insert(path, kept, kib);
    return *kept;
}
