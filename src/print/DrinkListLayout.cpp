#include "print/DrinkListLayout.h"

#include "print/ReportDocument.h"

#include <algorithm>
#include <cmath>

namespace {

Qt::Alignment alignmentOf(PrintSettings::Alignment alignment) {
    switch (alignment) {
    case PrintSettings::Alignment::Left:
        return Qt::AlignLeft | Qt::AlignTop;
    case PrintSettings::Alignment::Right:
        return Qt::AlignRight | Qt::AlignTop;
    case PrintSettings::Alignment::Centred:
        break;
    }
    return Qt::AlignHCenter | Qt::AlignTop;
}

} // namespace

DrinkListLayout::DrinkListLayout(const PrintSettings& settings, const PrintFonts& fonts,
                                 const ReportMeasurer& measurer)
    : m_page(PageSetup::from(settings)), m_settings(settings), m_title(settings.header.trimmed()),
      m_separator(separatorText(settings.separator)), m_titleFont{fonts.at(PrintFonts::kHeading).name,
                                                                  double(fonts.at(PrintFonts::kHeading).size),
                                                                  false},
      m_nameFont{fonts.at(PrintFonts::kText).name, double(fonts.at(PrintFonts::kText).size + 2), false},
      m_textFont{fonts.at(PrintFonts::kText).name, double(fonts.at(PrintFonts::kText).size), false},
      m_symbolFont{QStringLiteral("Wingdings"), double(fonts.at(PrintFonts::kText).size), true},
      // Between the title and the drink names: the heading's face, halfway between their sizes.
      m_sectionFont{
          fonts.at(PrintFonts::kHeading).name,
          std::round((fonts.at(PrintFonts::kHeading).size + fonts.at(PrintFonts::kText).size + 2) / 2.0),
          false},
      m_titleHeight(measurer.height(m_titleFont)), m_nameHeight(measurer.height(m_nameFont)),
      m_textHeight(measurer.height(m_textFont)), m_symbolHeight(measurer.height(m_symbolFont)),
      m_sectionHeight(measurer.height(m_sectionFont)), m_alignment(alignmentOf(settings.alignment)),
      m_measurer(measurer) {
    if (settings.separator == PrintSettings::Separator::Line)
        m_top = m_nameHeight;
    m_numbered = settings.numbered && settings.alignment == PrintSettings::Alignment::Left;
    if (m_numbered) {
        m_numberWidth = measurer.width(m_nameFont, QStringLiteral("333.")) + 0.5 * m_nameHeight;
        m_left = m_numberWidth + 0.5 * m_nameHeight;
    }
}

QString DrinkListLayout::separatorText(PrintSettings::Separator separator) {
    switch (separator) {
    case PrintSettings::Separator::Diamonds:
        return QStringLiteral("v v v");
    case PrintSettings::Separator::Star:
        return QString(QChar(0xAD));
    case PrintSettings::Separator::Helm:
        return QStringLiteral("]");
    case PrintSettings::Separator::Ornament:
        return QStringLiteral("\u00D0\u00D1");
    case PrintSettings::Separator::None:
    case PrintSettings::Separator::Line:
        break;
    }
    return QString();
}

ReportItem DrinkListLayout::text(const QString& name, const QRectF& rect, const QString& text,
                                 const ReportFont& font) const {
    ReportItem item;
    item.name = name;
    item.rect = rect;
    item.text = text;
    item.font = font;
    item.alignment = m_alignment;
    return item;
}

ReportBand DrinkListLayout::header() const {
    ReportBand band;
    if (m_title.isEmpty())
        return band;
    band.height = 2 * m_titleHeight;
    ReportItem title =
        text(QStringLiteral("LTitel"), QRectF(0, 0, titleWidth(), m_titleHeight), m_title, m_titleFont);
    title.alignment = Qt::AlignHCenter | Qt::AlignTop;
    band.items.append(title);
    return band;
}

double DrinkListLayout::bandWidth() const {
    ReportDocument doc;
    doc.page = m_page;
    doc.columns = std::clamp(m_settings.columns, 1, PrintSettings::kMaxColumns);
    return doc.columnWidth();
}

// Left-aligned lists narrow the separator to the first quarter, right-aligned ones to the last.
QRectF DrinkListLayout::separatorRect(double top) const {
    const double width = bandWidth();
    switch (m_settings.alignment) {
    case PrintSettings::Alignment::Left:
        return QRectF(0, top, width / 4, m_symbolHeight);
    case PrintSettings::Alignment::Right:
        return QRectF(width * 3 / 4, top, width / 4, m_symbolHeight);
    case PrintSettings::Alignment::Centred:
        break;
    }
    return QRectF(0, top, width, m_symbolHeight);
}

ReportBand DrinkListLayout::band(const PrintRecord& record, int number, const QString& section) const {
    ReportBand band = drinkBand(record, number);
    if (section.isEmpty())
        return band;
    const int lines = qMax(1, int(m_measurer.wrap(m_sectionFont, section, bandWidth()).size()));
    ReportItem heading =
        text(QStringLiteral("LAbschnitt"),
             QRectF(0, 0.3 * m_sectionHeight, bandWidth(), lines * m_sectionHeight), section, m_sectionFont);
    heading.wrap = lines > 1;
    const double shift = (lines + 0.6) * m_sectionHeight;
    for (ReportItem& item : band.items)
        item.rect.translate(0, shift);
    band.height += shift;
    band.items.prepend(heading);
    return band;
}

ReportBand DrinkListLayout::drinkBand(const PrintRecord& record, int number) const {
    ReportBand band;
    const double width = bandWidth() - m_left;
    if (m_settings.separator == PrintSettings::Separator::Line) {
        ReportItem line;
        line.name = QStringLiteral("Linie");
        line.kind = ReportItem::Kind::DottedLine;
        line.rect = QRectF(0, 0, bandWidth(), 0);
        band.items.append(line);
    }
    if (m_numbered) {
        ReportItem nr = text(QStringLiteral("LNr"), QRectF(0, m_top, m_numberWidth, m_nameHeight),
                             numberText(number), m_nameFont);
        nr.alignment = Qt::AlignRight | Qt::AlignTop;
        band.items.append(nr);
    }
    band.items.append(
        text(QStringLiteral("LName"), QRectF(m_left, m_top, width, m_nameHeight), record.name, m_nameFont));
    double y = m_top + 1.2 * m_nameHeight;
    // A summary line wider than the card wraps instead of losing both ends.
    const auto summary = [&](const QString& name, const QString& line, double top) {
        const int lines = qMax(1, int(m_measurer.wrap(m_textFont, line, width).size()));
        ReportItem item = text(name, QRectF(m_left, top, width, lines * m_textHeight), line, m_textFont);
        item.wrap = m_measurer.width(m_textFont, line) > width;
        band.items.append(item);
        return top + lines * m_textHeight;
    };
    if (m_settings.ingredients != PrintSettings::Ingredients::None) {
        double bottom = summary(QStringLiteral("LZutaten1"), record.z[0], y);
        if (m_settings.ingredients == PrintSettings::Ingredients::FirstFive &&
            !record.z[1].trimmed().isEmpty())
            bottom = summary(QStringLiteral("LZutaten2"), record.z[1], bottom);
        y = bottom + 0.2 * m_textHeight;
    }
    if (record.z[2].trimmed() == QStringLiteral("*")) {
        const double height = 2 * m_textHeight;
        ReportItem memo = text(QStringLiteral("LMem"), QRectF(m_left, y, bandWidth() - 3 * m_left, height),
                               record.memo, m_textFont);
        memo.wrap = true;
        band.items.append(memo);
        y += 1.2 * height;
    }
    if (!m_separator.isEmpty()) {
        ReportItem separator = text(QStringLiteral("LTrenn"), separatorRect(y), m_separator, m_symbolFont);
        separator.alignment = Qt::AlignHCenter | Qt::AlignTop;
        band.items.append(separator);
        y += 1.2 * m_symbolHeight;
    }
    band.height = y + 0.2 * m_nameHeight;
    return band;
}
