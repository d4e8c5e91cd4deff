#include "print/TextListLayout.h"

namespace {

ReportFont font(const PrintFonts& fonts, int entry) {
    return {fonts.at(entry).name, double(fonts.at(entry).size), false};
}

ReportItem cell(const QString& name, const QRectF& rect, const QString& text, const ReportFont& font) {
    ReportItem item;
    item.name = name;
    item.rect = rect;
    item.text = text;
    item.font = font;
    return item;
}

} // namespace

ReportDocument TextListLayout::document(const QStringList& lines, const PageSetup& page,
                                        const PrintFonts& fonts, const ReportMeasurer& measurer) {
    ReportDocument doc;
    doc.page = page;
    const double width = page.contentWidth();
    const ReportFont title = font(fonts, PrintFonts::kHeading);
    const ReportFont text = font(fonts, PrintFonts::kText);
    const double titleHeight = measurer.height(title);
    const double lineHeight = measurer.height(text);
    const double lefts[] = {0, width * kNameColumn, width * (kNameColumn + kAmountColumn), width};
    for (qsizetype i = 0; i < lines.size(); ++i) {
        ReportBand band;
        if (i == 0) {
            band.height = 1.5 * titleHeight;
            band.items.append(
                cell(QStringLiteral("LTitel"), QRectF(0, 0, width, titleHeight), lines[i], title));
        } else if (lines[i].isEmpty()) {
            band.height = 0.5 * lineHeight;
        } else {
            band.height = 1.1 * lineHeight;
            QStringList columns = lines[i].split(QLatin1Char('\t'));
            // More tabs than columns: the rest shares the last column.
            while (columns.size() > 3)
                columns[2] += QLatin1Char(' ') + columns.takeAt(3);
            for (qsizetype c = 0; c < columns.size(); ++c) {
                // A line without tabs may use the whole width.
                const double right = columns.size() == 1 ? width : lefts[c + 1];
                band.items.append(cell(QStringLiteral("LSpalte%1").arg(c + 1),
                                       QRectF(lefts[c], 0, right - lefts[c], lineHeight), columns[c], text));
            }
        }
        doc.details.append(band);
    }
    return doc;
}
