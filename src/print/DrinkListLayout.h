#pragma once

#include "print/PageSetup.h"
#include "print/PrintFonts.h"
#include "print/PrintRecord.h"
#include "print/PrintSettings.h"
#include "print/ReportBand.h"
#include "print/ReportMeasurer.h"

// The bar card or drink list: many drinks per page, one block each, under an optional title on
// every page. A block holds the number (left-aligned lists only), the name, the summary lines,
// the remark (cut at two lines) and the separator. Millimetres throughout.
class DrinkListLayout {
public:
    DrinkListLayout(const PrintSettings& settings, const PrintFonts& fonts, const ReportMeasurer& measurer);

    // The separator's text in the symbol font; empty for none and for the line.
    static QString separatorText(PrintSettings::Separator separator);
    static QString numberText(int number) { return QString::number(number) + QLatin1Char('.'); }

    // The width of a column: the page's content with one column.
    double bandWidth() const;
    double titleWidth() const { return m_page.contentWidth(); }
    bool numbered() const { return m_numbered; }
    double nameLeft() const { return m_left; }

    // The page header with the title; height 0 when the title is empty.
    ReportBand header() const;
    // The block of one drink; `number` counts the drinks from 1. A drink that opens a section
    // carries the section's heading on top, so that the heading never stands alone at a page's foot.
    ReportBand band(const PrintRecord& record, int number, const QString& section = {}) const;
    // The heading of the drinks without a category.
    static QString otherSection() { return QStringLiteral("Weitere Getränke"); }

private:
    ReportBand drinkBand(const PrintRecord& record, int number) const;
    ReportItem text(const QString& name, const QRectF& rect, const QString& text,
                    const ReportFont& font) const;
    QRectF separatorRect(double top) const;

    PageSetup m_page;
    PrintSettings m_settings;
    QString m_title;
    QString m_separator;
    ReportFont m_titleFont;
    ReportFont m_nameFont;
    ReportFont m_textFont;
    ReportFont m_symbolFont;
    ReportFont m_sectionFont;
    double m_titleHeight;
    double m_nameHeight;
    double m_textHeight;
    double m_symbolHeight;
    double m_sectionHeight;
    double m_top = 0;
    bool m_numbered = false;
    double m_numberWidth = 0;
    double m_left = 0;
    Qt::Alignment m_alignment;
    const ReportMeasurer& m_measurer;
};
